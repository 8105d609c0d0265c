#include "engine/budget_figures.h"

#include "engine/radio_physics.h"
#include "numbers/number_text.h"

#include <cmath>
#include <limits>

namespace tarvanel {

namespace {

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// EIRP(other) + G(at) - L(at), dBm, NaN when a figure is missing (a missing
// figure then makes every result that uses it missing).
double budgetAt(const BudgetFigures& link, ReceivingEnd at) {
    const bool atEnd2 = at == ReceivingEnd::End2;
    const EndBudget& from = atEnd2 ? link.end1 : link.end2;
    const EndBudget& to = atEnd2 ? link.end2 : link.end1;
    constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();
    return from.powerDbm.value_or(kMissing) + from.gainDbi.value_or(kMissing) -
           from.cableLossDb.value_or(kMissing) + to.gainDbi.value_or(kMissing) -
           to.cableLossDb.value_or(kMissing);
}

} // namespace

std::optional<double> receivedDbm(const BudgetFigures& link, ReceivingEnd at) {
    const double megahertz = link.megahertz.value_or(0.0), km = link.distanceKm.value_or(0.0);
    if (!(megahertz > 0.0 && km > 0.0)) return std::nullopt;
    const Outcome<double> loss = freeSpaceLossDb(megahertz, km);
    if (!loss.ok()) return std::nullopt;
    return finite(budgetAt(link, at) - loss.value - link.extraLossDb.value_or(0.0));
}

std::optional<double> greatestDistanceKm(const BudgetFigures& link, ReceivingEnd at,
                                         double sensitivityDbm) {
    if (!link.megahertz || !link.fadeMarginDb) return std::nullopt;
    const std::optional<double> allowed =
        finite(budgetAt(link, at) - sensitivityDbm - std::fabs(*link.fadeMarginDb));
    if (!allowed) return std::nullopt;
    const Outcome<double> km = freeSpaceDistanceKm(*link.megahertz, *allowed);
    return km.ok() ? std::optional(km.value) : std::nullopt;
}

TypedNumber readTyped(std::string_view text, const NumberLocale& locale) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) return {};
    const Outcome<double> number = toDouble(text, locale);
    if (!number.ok()) return {std::nullopt, true};
    return {number.value};
}

} // namespace tarvanel
