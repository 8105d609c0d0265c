#include "engine/installer_readouts.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "engine/radio_physics.h"
#include "engine/result_text.h"

#include <cmath>

namespace tarvanel {

namespace {

using Double = Outcome<double>;

// The part of the first Fresnel zone a path must keep clear.
constexpr double kFresnelPart = 0.6;

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

// The path from end 1 to end 2 at the link distance.
struct PathReadouts {
    Double freeSpaceLoss;
    Double received;
    Double margin; // received level + |sensitivity|
    bool marginMet = false;
    Double fresnelRadius; // F1 at mid-path
    Double fresnelPart;   // 0.6 F1
    Double earthBulge;    // at mid-path
    Double clearance;     // 0.6 F1 + bulge
};

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

// Applies a physics function to readings that must all have computed.
template <typename Function, typename... Readings>
Double physics(Function function, const Readings&... readings) {
    for (EngineError error : {readings.error...})
        if (error != EngineError::None) return Failed{error};
    return function(readings.value...);
}

PathReadouts pathOf(const LinkFields& link, const LinkResults& results, std::string_view distanceKm,
                    const NumberLocale& locale) {
    const Double distance = positive(toDouble(distanceKm, locale));
    const Double halfway = distance.ok() ? Double{distance.value / 2.0} : distance;
    const Double frequency = positive(toDouble(link.frequency, locale));
    PathReadouts path;
    path.freeSpaceLoss = physics(freeSpaceLossDb, frequency, distance);
    path.received = receivedAt(results, toSingle(link.end2.gain, locale), path.freeSpaceLoss);
    const Double fadeMargin = widened(toSingle(link.margin, locale));
    path.margin = fadeMargin.ok()
                      ? sum(path.received, sensitivityMagnitude(toInt16(link.sensitivity, locale)))
                      : fadeMargin;
    // Judged on the margin as shown (two decimals), so that at the greatest
    // distance, where it shows the fade margin itself, it reads as met.
    path.marginMet = path.margin.ok() &&
                     std::round(path.margin.value * 100.0) / 100.0 >= std::fabs(fadeMargin.value);
    path.fresnelRadius = physics(fresnelRadiusMetres, frequency, halfway, halfway);
    path.fresnelPart = path.fresnelRadius.ok()
                           ? checked::value(kFresnelPart * path.fresnelRadius.value)
                           : path.fresnelRadius;
    path.earthBulge =
        physics([](double d1, double d2) { return earthBulgeMetres(d1, d2, kStandardEarthFactor); },
                halfway, halfway);
    path.clearance = sum(path.fresnelPart, path.earthBulge);
    return path;
}

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

// A double-precision figure stored as a single-precision label value.
std::string label(const Double& value, std::string_view suffix, const NumberLocale& locale) {
    return label(value.ok() ? checked::toSingle(value.value) : Outcome<float>::failure(value.error),
                 DisplayPattern::TwoDecimals, suffix, locale);
}

std::string legalPowerText(const LegalPower& power, const NumberLocale& locale) {
    const std::string dbm = label(power.dbm, " dBm", locale);
    const std::string milliwatts = label(power.milliwatts, " mW", locale);
    if (dbm.empty() || milliwatts.empty()) return {};
    return dbm + " (" + milliwatts + ")";
}

} // namespace

InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, std::string_view distanceKm,
                                            const NumberLocale& locale) {
    return installerReadoutTexts(link, evaluateLink(link, locale), distanceKm, locale);
}

InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, const LinkResults& results,
                                            std::string_view distanceKm,
                                            const NumberLocale& locale) {
    const PathReadouts path = pathOf(link, results, distanceKm, locale);
    const Directions directions = directionsFrom(results.distance, link, locale);
    InstallerReadoutTexts texts;
    texts.legalPower1 =
        legalPowerText(legalPowerOf(results.end1, toSingle(link.end1.gain, locale)), locale);
    texts.legalPower2 =
        legalPowerText(legalPowerOf(results.end2, toSingle(link.end2.gain, locale)), locale);
    texts.freeSpaceLoss = label(path.freeSpaceLoss, " dB", locale);
    texts.received = label(path.received, " dBm", locale);
    texts.margin = label(path.margin, " dB", locale);
    texts.marginMet = !texts.margin.empty() && path.marginMet;
    texts.clearance = label(path.clearance, " m", locale);
    texts.fresnelRadius = label(path.fresnelRadius, " m", locale);
    texts.fresnelPart = label(path.fresnelPart, " m", locale);
    texts.earthBulge = label(path.earthBulge, " m", locale);
    texts.reverseDistance = label(directions.reverse, DisplayPattern::ThreeDecimals, " Km", locale);
    texts.limiting = directions.limiting;
    return texts;
}

} // namespace tarvanel
