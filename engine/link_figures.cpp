#include "engine/link_figures.h"

#include "engine/number_text.h"
#include "engine/result_text.h"

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

} // namespace

LinkFigures linkFigures(const LinkInputs& inputs, const NumberLocale& locale) {
    const LinkFields& link = inputs.link;
    LinkFigures figures;
    figures.results = evaluateLink(link, locale);
    const LinkResults& results = figures.results;
    figures.exceedsLimit1 = exceedsLegalLimit(results.end1.eirp.orZero());
    figures.exceedsLimit2 = exceedsLegalLimit(results.end2.eirp.orZero());
    figures.legalPower1 = legalPowerOf(results.end1, toSingle(link.end1.gain, locale));
    figures.legalPower2 = legalPowerOf(results.end2, toSingle(link.end2.gain, locale));
    figures.directions = directionsOf(link, results, locale);
    figures.earthFactor = inputs.path.earthFactor;
    figures.geo = geoFigures(inputs, locale);
    figures.distanceFromPositions = figures.geo.path.ok();
    const Outcome<double> distance = figures.distanceFromPositions
                                         ? Outcome<double>{figures.geo.path.value.distanceKm}
                                         : typedDistanceKm(inputs.linkDistance, locale);
    figures.atDistance =
        pathReadouts(link, results, distance, earthFactorValue(figures.earthFactor), locale);
    figures.path = pathFigures(inputs.path, figures.atDistance, locale);
    return figures;
}

} // namespace tarvanel
