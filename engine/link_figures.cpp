#include "engine/link_figures.h"

#include "engine/radio_physics.h"
#include "numbers/number_text.h"

#include <cmath>

namespace tarvanel {

namespace {

GeoFigures geoFigures(const LinkInputs& inputs, const NumberLocale& locale) {
    GeoFigures geo;
    geo.end1 = readPosition(inputs.position1, locale);
    geo.end2 = readPosition(inputs.position2, locale);
    geo.path = geo.end1.ok() && geo.end2.ok()
                   ? geodesicBetween(geo.end1.position, geo.end2.position)
                   : Failed{EngineError::NotNumeric};
    geo.declination = toDouble(inputs.declination, locale);
    if (geo.path.ok() && geo.declination.ok() && std::isfinite(geo.declination.value)) {
        const GeodesicPath& path = geo.path.value;
        const double east = geo.declination.value;
        if (path.bearing1) geo.magnetic1 = magneticBearing(*path.bearing1, east);
        if (path.bearing2) geo.magnetic2 = magneticBearing(*path.bearing2, east);
    }
    return geo;
}

std::optional<double> numberOf(const Outcome<float>& value) {
    return value.ok() ? std::optional<double>(value.value) : std::nullopt;
}
std::optional<double> numberOf(const Outcome<double>& value) {
    return value.ok() ? std::optional(value.value) : std::nullopt;
}

// The link's figures as the rate table and the alignment take them.
BudgetFigures budgetOf(const LinkFigures& figures, const LinkReading& link) {
    const auto end = [&](const EndResults& results, const EndReading& reading) {
        return EndBudget{numberOf(results.power), numberOf(reading.gain),
                         numberOf(results.cableLoss)};
    };
    BudgetFigures budget;
    budget.end1 = end(figures.results.end1, link.end1);
    budget.end2 = end(figures.results.end2, link.end2);
    budget.megahertz = numberOf(figures.atDistance.frequency);
    budget.sensitivityDb = numberOf(sensitivityMagnitude(link.sensitivity));
    if (figures.atDistance.fadeMargin.ok())
        budget.fadeMarginDb = std::fabs(figures.atDistance.fadeMargin.value);
    budget.distanceKm = numberOf(figures.atDistance.distance);
    budget.extraLossDb = numberOf(figures.path.profileLoss);
    return budget;
}

} // namespace

LinkFigures linkFigures(const LinkInputs& inputs, const NumberLocale& locale) {
    // Every text of the link is read once, here.
    const LinkReading link = readLink(inputs.link, locale);
    LinkFigures figures;
    figures.results = evaluateLink(link);
    const LinkResults& results = figures.results;
    figures.width = widthIn(inputs.band, inputs.width);
    figures.rateStandard = standardIn(inputs.band, figures.width, inputs.rates.standard);
    const std::optional<double> megahertz = numberOf(link.frequencyDouble);
    figures.bandRule = legalRuleOf(inputs.band, megahertz);
    if (figures.bandRule) {
        figures.weatherRadars =
            megahertz && coversWeatherRadars(*figures.bandRule, *megahertz, figures.width);
        const float limit = legalLimitDbm(*figures.bandRule, inputs.tpc);
        figures.legalLimitDbm = limit;
        figures.exceedsLimit1 = exceedsLegalLimit(results.end1.eirp.orZero(), limit);
        figures.exceedsLimit2 = exceedsLegalLimit(results.end2.eirp.orZero(), limit);
    }
    figures.legalPower1 = legalPowerOf(results.end1, link.end1.gain, figures.legalLimitDbm);
    figures.legalPower2 = legalPowerOf(results.end2, link.end2.gain, figures.legalLimitDbm);
    figures.directions = directionsOf(link, results);
    figures.earthFactor = inputs.path.earthFactor;
    figures.geo = geoFigures(inputs, locale);
    figures.distanceFromPositions = figures.geo.path.ok();
    const Outcome<double> distance = figures.distanceFromPositions
                                         ? Outcome<double>{figures.geo.path.value.distanceKm}
                                         : typedDistanceKm(inputs.linkDistance, locale);
    figures.atDistance =
        pathReadouts(link, results, distance, earthFactorValue(figures.earthFactor));
    figures.path = pathFigures(inputs.path, figures.atDistance, locale);
    const BudgetFigures budget = budgetOf(figures, link);
    const RateFields& rates = inputs.rates;
    figures.rates = rateTable(budget, figures.rateStandard, rates.overrides, locale, figures.width);
    figures.alignment1 = endAlignment(budget, ReceivingEnd::End1, rates.measured1, locale);
    figures.alignment2 = endAlignment(budget, ReceivingEnd::End2, rates.measured2, locale);
    figures.aim1 = aimAngles(rates.beamwidth1, locale);
    figures.aim2 = aimAngles(rates.beamwidth2, locale);
    return figures;
}

} // namespace tarvanel
