#include "engine/installer_readouts.h"

#include "engine/radio_physics.h"
#include "numbers/checked_math.h"
#include "numbers/number_text.h"

#include <cmath>

namespace tarvanel {

namespace {

using Double = Outcome<double>;

Double widened(const Outcome<float>& single) {
    if (!single.ok()) return Failed{single.error};
    return {single.value};
}

Double positive(const Double& reading) {
    if (reading.ok() && !(reading.value > 0.0)) return Failed{EngineError::InvalidOperation};
    return reading;
}

Double legalDbm(const EndResults& results, const Outcome<float>& gain,
                std::optional<float> limitDbm) {
    if (!limitDbm) return Failed{EngineError::InvalidOperation};
    TARVANEL_TRY(cableLoss, widened(results.cableLoss));
    TARVANEL_TRY(dbi, widened(gain));
    return checked::value(static_cast<double>(*limitDbm) - dbi.value + cableLoss.value);
}

Double receivedAt(const LinkResults& results, const Outcome<float>& gain2, const Double& loss) {
    TARVANEL_TRY(eirp1, widened(results.end1.eirp));
    TARVANEL_TRY(g2, widened(gain2));
    TARVANEL_TRY(l2, widened(results.end2.cableLoss));
    TARVANEL_TRY(fsl, loss);
    return checked::value(eirp1.value + g2.value - l2.value - fsl.value);
}

Double sum(const Double& a, const Double& b) {
    TARVANEL_TRY(x, a);
    TARVANEL_TRY(y, b);
    return checked::value(x.value + y.value);
}

} // namespace

Outcome<double> typedDistanceKm(std::string_view text, const NumberLocale& locale) {
    return positive(toDouble(text, locale));
}

PathReadouts pathReadouts(const LinkReading& link, const LinkResults& results,
                          const Outcome<double>& distanceKm, double earthFactor) {
    PathReadouts path;
    path.distance = positive(distanceKm);
    path.frequency = positive(link.frequencyDouble);
    const Double& distance = path.distance;
    const Double& frequency = path.frequency;
    const Double halfway = distance.ok() ? Double{distance.value / 2.0} : distance;
    path.freeSpaceLoss = checked::apply(freeSpaceLossDb, frequency, distance);
    path.received = receivedAt(results, link.end2.gain, path.freeSpaceLoss);
    path.fadeMargin = widened(link.margin);
    const Double& fadeMargin = path.fadeMargin;
    path.margin =
        fadeMargin.ok() ? sum(path.received, sensitivityMagnitude(link.sensitivity)) : fadeMargin;
    path.marginMet = path.margin.ok() && meetsFadeMargin(path.margin.value, fadeMargin.value);
    path.fresnelRadius = checked::apply(fresnelRadiusMetres, frequency, halfway, halfway);
    path.fresnelPart = path.fresnelRadius.ok()
                           ? checked::value(kClearFresnelPart * path.fresnelRadius.value)
                           : path.fresnelRadius;
    path.earthBulge = checked::apply(
        [earthFactor](double d1, double d2) { return earthBulgeMetres(d1, d2, earthFactor); },
        halfway, halfway);
    path.clearance = sum(path.fresnelPart, path.earthBulge);
    return path;
}

LegalPower legalPowerOf(const EndResults& results, const Outcome<float>& gain,
                        std::optional<float> limitDbm) {
    const Double dbm = legalDbm(results, gain, limitDbm);
    return {dbm, dbm.ok() ? dbmToMilliwatts(dbm.value) : dbm};
}

Directions directionsOf(const LinkReading& link, const LinkResults& results) {
    Directions directions{results.distance, evaluateLink(reversed(link)).distance};
    if (!directions.forward.ok() || !directions.reverse.ok()) return directions;
    // To the metre, halves away from zero, as "##0.000" shows a distance in
    // km (a single times 1000 is exact in double precision).
    const auto metres = [](float km) { return std::round(static_cast<double>(km) * 1000.0); };
    if (metres(directions.forward.value) == metres(directions.reverse.value))
        directions.limiting = LimitingDirection::Neither;
    else
        directions.limiting = directions.forward.value < directions.reverse.value
                                  ? LimitingDirection::End1ToEnd2
                                  : LimitingDirection::End2ToEnd1;
    return directions;
}

} // namespace tarvanel
