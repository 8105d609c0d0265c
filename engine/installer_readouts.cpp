#include "engine/installer_readouts.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "engine/radio_physics.h"
#include "engine/result_text.h"

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

struct LegalPower {
    Double dbm;
    Double milliwatts;
};

Double legalDbm(const EndResults& results, const Outcome<float>& gain) {
    TARVANEL_TRY(cableLoss, widened(results.cableLoss));
    TARVANEL_TRY(dbi, widened(gain));
    return checked::value(static_cast<double>(kLegalEirpLimitDbm) - dbi.value + cableLoss.value);
}

LegalPower legalPowerOf(const EndResults& results, const Outcome<float>& gain) {
    const Double dbm = legalDbm(results, gain);
    return {dbm, dbm.ok() ? dbmToMilliwatts(dbm.value) : dbm};
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

PathReadouts pathReadouts(const LinkFields& link, const LinkResults& results,
                          std::string_view distanceKm, double earthFactor,
                          const NumberLocale& locale) {
    PathReadouts path;
    path.distance = positive(toDouble(distanceKm, locale));
    path.frequency = positive(toDouble(link.frequency, locale));
    const Double& distance = path.distance;
    const Double& frequency = path.frequency;
    const Double halfway = distance.ok() ? Double{distance.value / 2.0} : distance;
    path.freeSpaceLoss = checked::apply(freeSpaceLossDb, frequency, distance);
    path.received = receivedAt(results, toSingle(link.end2.gain, locale), path.freeSpaceLoss);
    path.fadeMargin = widened(toSingle(link.margin, locale));
    const Double& fadeMargin = path.fadeMargin;
    path.margin = fadeMargin.ok()
                      ? sum(path.received, sensitivityMagnitude(toInt16(link.sensitivity, locale)))
                      : fadeMargin;
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

namespace {

LinkFields reversed(const LinkFields& link) {
    return {link.end2, link.end1, link.frequency, link.sensitivity, link.margin};
}

// The greatest distance each way round, km, as the link's results give it.
struct Directions {
    Outcome<float> forward;
    Outcome<float> reverse;
    LimitingDirection limiting = LimitingDirection::Unknown;
};

// The forward distance is the one the link's own evaluation already holds.
Directions directionsFrom(const Outcome<float>& forward, const LinkFields& link,
                          const NumberLocale& locale) {
    Directions directions{forward, evaluateLink(reversed(link), locale).distance};
    if (!directions.forward.ok() || !directions.reverse.ok()) return directions;
    // Compared as lblDistance shows them, to the metre.
    const NumberLocale plain;
    const auto shown = [&plain](float km) {
        return formatPattern(km, DisplayPattern::ThreeDecimals, plain);
    };
    if (shown(directions.forward.value) == shown(directions.reverse.value))
        directions.limiting = LimitingDirection::Neither;
    else
        directions.limiting = directions.forward.value < directions.reverse.value
                                  ? LimitingDirection::End1ToEnd2
                                  : LimitingDirection::End2ToEnd1;
    return directions;
}

std::string label(const Outcome<float>& value, DisplayPattern pattern, std::string_view suffix,
                  const NumberLocale& locale) {
    return value.ok() ? resultLabelText(value.value, pattern, suffix, locale) : std::string{};
}

std::string legalPowerText(const LegalPower& power, const NumberLocale& locale) {
    const std::string dbm = figureText(power.dbm, " dBm", locale);
    const std::string milliwatts = figureText(power.milliwatts, " mW", locale);
    if (dbm.empty() || milliwatts.empty()) return {};
    return dbm + " (" + milliwatts + ")";
}

} // namespace

InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, std::string_view distanceKm,
                                            const NumberLocale& locale) {
    const LinkResults results = evaluateLink(link, locale);
    return installerReadoutTexts(
        link, results, pathReadouts(link, results, distanceKm, kStandardEarthFactor, locale),
        locale);
}

InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, const LinkResults& results,
                                            const PathReadouts& path, const NumberLocale& locale) {
    const Directions directions = directionsFrom(results.distance, link, locale);
    InstallerReadoutTexts texts;
    texts.legalPower1 =
        legalPowerText(legalPowerOf(results.end1, toSingle(link.end1.gain, locale)), locale);
    texts.legalPower2 =
        legalPowerText(legalPowerOf(results.end2, toSingle(link.end2.gain, locale)), locale);
    texts.freeSpaceLoss = figureText(path.freeSpaceLoss, " dB", locale);
    texts.received = figureText(path.received, " dBm", locale);
    texts.margin = figureText(path.margin, " dB", locale);
    texts.marginMet = !texts.margin.empty() && path.marginMet;
    texts.clearance = figureText(path.clearance, " m", locale);
    texts.fresnelRadius = figureText(path.fresnelRadius, " m", locale);
    texts.fresnelPart = figureText(path.fresnelPart, " m", locale);
    texts.earthBulge = figureText(path.earthBulge, " m", locale);
    texts.reverseDistance = label(directions.reverse, DisplayPattern::ThreeDecimals, " Km", locale);
    texts.limiting = directions.limiting;
    return texts;
}

} // namespace tarvanel
