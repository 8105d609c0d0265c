#include "engine/data_rates.h"

#include "engine/radio_physics.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvanel {

namespace {

// A rate and the receiver's minimum input sensitivity the standard sets for
// it (IEEE 802.11: ERP-OFDM for 802.11g, HT at 20 MHz for 802.11n), dBm.
struct RateFact {
    double megabits;
    double minimumDbm;
};
constexpr std::array<RateFact, 8> kDot11g{
    {{6, -82}, {9, -81}, {12, -79}, {18, -77}, {24, -74}, {36, -70}, {48, -66}, {54, -65}}};
constexpr std::array<RateFact, 8> kDot11n{
    {{6.5, -82}, {13, -79}, {19.5, -77}, {26, -74}, {39, -70}, {52, -66}, {58.5, -65}, {65, -64}}};

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
                    const NumberLocale& locale) {
    const auto& facts = set == RateSet::Dot11g ? kDot11g : kDot11n;
    const int streams = set == RateSet::Dot11nTwoStreams ? 2 : 1;
    RateTable table;
    for (std::size_t i = 0; i < facts.size(); ++i) {
        RateRow& row = table.rows.emplace_back();
        if (set != RateSet::Dot11g) row.mcs = static_cast<int>(i + facts.size() * (streams - 1));
        row.megabits = facts[i].megabits * streams;
        fillFigures(row, link, facts[i].minimumDbm - facts[0].minimumDbm,
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
    if (!table.best && link.fadeMarginDb && std::isfinite(*link.fadeMarginDb) &&
        std::ranges::all_of(table.rows, known)) {
        const auto nearest = std::ranges::max_element(
            table.rows, {}, [](const RateRow& row) { return *row.marginDb; });
        table.shortfall = RateShortfall{static_cast<std::size_t>(nearest - table.rows.begin()),
                                        std::fabs(*link.fadeMarginDb) - *nearest->marginDb};
    }
    return table;
}

} // namespace tarvanel
