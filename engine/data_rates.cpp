#include "engine/data_rates.h"

#include "engine/radio_physics.h"

#include <algorithm>
#include <cmath>

namespace tarvanel {

namespace {

// The smaller of the two ways round, when both compute.
std::optional<double> weaker(const std::optional<double>& a, const std::optional<double>& b) {
    return a && b ? std::optional(std::min(*a, *b)) : std::nullopt;
}

void fillFigures(RateRow& row, const BudgetFigures& link, double stepDb, const RateOverride& typed,
                 const NumberLocale& locale) {
    const TypedNumber sensitivity = readTyped(typed.sensitivity, locale);
    const TypedNumber power = readTyped(typed.power, locale);
    row.unreadableOverride = sensitivity.unreadable || power.unreadable;
    if (row.unreadableOverride) return;
    if (sensitivity.value)
        row.sensitivityDbm = -std::fabs(*sensitivity.value);
    else if (link.sensitivityDb && std::isfinite(*link.sensitivityDb - stepDb))
        row.sensitivityDbm = -std::fabs(*link.sensitivityDb) + stepDb;
    if (!row.sensitivityDbm) return;

    BudgetFigures atRate = link;
    if (power.value) atRate.end1.powerDbm = atRate.end2.powerDbm = power.value;
    const double s = *row.sensitivityDbm;
    row.greatestKm = weaker(greatestDistanceKm(atRate, ReceivingEnd::End1, s),
                            greatestDistanceKm(atRate, ReceivingEnd::End2, s));
    const std::optional<double> received =
        weaker(receivedDbm(atRate, ReceivingEnd::End1), receivedDbm(atRate, ReceivingEnd::End2));
    if (received && std::isfinite(*received - s)) row.marginDb = *received - s;
    row.meetsFadeMargin = row.marginDb && link.fadeMarginDb && std::isfinite(*link.fadeMarginDb) &&
                          meetsFadeMargin(*row.marginDb, *link.fadeMarginDb);
}

} // namespace

RateTable rateTable(const BudgetFigures& link, RateSet set, std::span<const RateOverride> overrides,
                    const NumberLocale& locale, ChannelWidth width) {
    const RateStandard& standard = rateStandard(set);
    const std::span<const RateStep> steps = ratesAt(standard, width);
    // The typed sensitivity is the lowest rate's on a 20 MHz channel.
    const double lowestDbm = standard.at20MHz.front().minimumDbm;
    RateTable table;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        RateRow& row = table.rows.emplace_back();
        if (standard.mcsPerStream)
            row.mcs = static_cast<int>(i) + *standard.mcsPerStream * (standard.streams - 1);
        row.megabits = steps[i].megabits * standard.streams;
        fillFigures(row, link, steps[i].minimumDbm - lowestDbm,
                    i < overrides.size() ? overrides[i] : RateOverride{}, locale);
    }
    // From the fastest down: the first that meets it, unless one is unknown first.
    for (std::size_t i = table.rows.size(); i-- > 0 && table.rows[i].marginDb;) {
        if (table.rows[i].meetsFadeMargin) {
            table.best = i;
            break;
        }
    }
    const auto known = [](const RateRow& row) { return row.marginDb.has_value(); };
    // A standard without rates at the width has no rows, and no shortfall.
    if (!table.best && link.fadeMarginDb && std::isfinite(*link.fadeMarginDb) &&
        !table.rows.empty() && std::ranges::all_of(table.rows, known)) {
        const auto nearest = std::ranges::max_element(
            table.rows, {}, [](const RateRow& row) { return *row.marginDb; });
        table.shortfall = RateShortfall{static_cast<std::size_t>(nearest - table.rows.begin()),
                                        std::fabs(*link.fadeMarginDb) - *nearest->marginDb};
    }
    return table;
}

} // namespace tarvanel
