#include "engine/installer_readouts.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "engine/power_conversion.h"
#include "engine/result_text.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvanel {

namespace {

using Double = Outcome<double>;

constexpr double kSpeedOfLight1e6 = 299.792458; // 10^6 m/s: lambda in m from f in MHz
constexpr double kFourPi = 12.56637061435916;   // 4 pi, 16 digits
constexpr double kFresnelPart = 0.6;
constexpr double kEarthRadiusMetres = 6371000.0;
constexpr double kEffectiveRadiusFactor = 4.0 / 3.0;

// Leaves the enclosing function with the failure of an intermediate Outcome.
#define TARVANEL_TRY(name, expression)                                                             \
    const auto name = (expression);                                                                \
    if (!name.ok()) return Double::failure(name.error)

Double widened(const Outcome<float>& single) {
    if (!single.ok()) return Double::failure(single.error);
    return {single.value};
}

// The sensitivity as the engine reads it: its magnitude, a 16-bit integer.
Double sensitivityMagnitude(const LinkFields& link, const NumberLocale& locale) {
    const Outcome<std::int16_t> sensitivity = toInt16(link.sensitivity, locale);
    if (!sensitivity.ok()) return Double::failure(sensitivity.error);
    if (sensitivity.value == std::numeric_limits<std::int16_t>::min())
        return Double::failure(EngineError::Overflow);
    return {std::fabs(static_cast<double>(sensitivity.value))};
}

Double positive(const Double& reading) {
    if (reading.ok() && !(reading.value > 0.0))
        return Double::failure(EngineError::InvalidOperation);
    return reading;
}

Double legalDbm(const EndResults& results, const Outcome<float>& gain) {
    TARVANEL_TRY(cableLoss, widened(results.cableLoss));
    TARVANEL_TRY(dbi, widened(gain));
    return checked::value(static_cast<double>(kLegalEirpLimitDbm) - dbi.value + cableLoss.value);
}

LegalPower legalPowerOf(const EndResults& results, const Outcome<float>& gain) {
    const Double dbm = legalDbm(results, gain);
    return {dbm, dbm.ok() ? dbmToMilliwatts(dbm.value) : dbm};
}

Double freeSpaceLossAt(const Double& megahertz, const Double& kilometres) {
    TARVANEL_TRY(f, megahertz);
    TARVANEL_TRY(d, kilometres);
    TARVANEL_TRY(ratio, checked::divide(kFourPi * f.value * d.value * 1000.0, kSpeedOfLight1e6));
    if (!(ratio.value > 0.0)) return Double::failure(EngineError::InvalidOperation);
    return checked::value(20.0 * std::log10(ratio.value));
}

Double receivedAt(const LinkResults& results, const Outcome<float>& gain2, const Double& loss) {
    TARVANEL_TRY(eirp1, widened(results.end1.eirp));
    TARVANEL_TRY(g2, widened(gain2));
    TARVANEL_TRY(l2, widened(results.end2.cableLoss));
    TARVANEL_TRY(fsl, loss);
    return checked::value(eirp1.value + g2.value - l2.value - fsl.value);
}

Double fresnelRadiusAt(const Double& megahertz, const Double& kilometres) {
    TARVANEL_TRY(f, megahertz);
    TARVANEL_TRY(d, kilometres);
    TARVANEL_TRY(wavelength, checked::divide(kSpeedOfLight1e6, f.value));
    return checked::squareRoot(wavelength.value * d.value * 1000.0 / 4.0);
}

Double earthBulgeAt(const Double& kilometres) {
    TARVANEL_TRY(d, kilometres);
    const double metres = d.value * 1000.0;
    return checked::value(metres * metres / (8.0 * kEffectiveRadiusFactor * kEarthRadiusMetres));
}

Double sum(const Double& a, const Double& b) {
    TARVANEL_TRY(x, a);
    TARVANEL_TRY(y, b);
    return checked::value(x.value + y.value);
}

#undef TARVANEL_TRY

PathReadouts pathOf(const LinkFields& link, const LinkResults& results, std::string_view distanceKm,
                    const NumberLocale& locale) {
    const Double distance = positive(toDouble(distanceKm, locale));
    const Double frequency = positive(toDouble(link.frequency, locale));
    PathReadouts path;
    path.freeSpaceLoss = freeSpaceLossAt(frequency, distance);
    path.received = receivedAt(results, toSingle(link.end2.gain, locale), path.freeSpaceLoss);
    const Double fadeMargin = widened(toSingle(link.margin, locale));
    path.margin =
        fadeMargin.ok() ? sum(path.received, sensitivityMagnitude(link, locale)) : fadeMargin;
    // Judged on the margin as shown (two decimals), so that at the greatest
    // distance, where it shows the fade margin itself, it reads as met.
    path.marginMet = path.margin.ok() &&
                     std::round(path.margin.value * 100.0) / 100.0 >= std::fabs(fadeMargin.value);
    path.fresnelRadius = fresnelRadiusAt(frequency, distance);
    path.fresnelPart = path.fresnelRadius.ok()
                           ? checked::value(kFresnelPart * path.fresnelRadius.value)
                           : path.fresnelRadius;
    path.earthBulge = earthBulgeAt(distance);
    path.clearance = sum(path.fresnelPart, path.earthBulge);
    return path;
}

LinkFields reversed(const LinkFields& link) {
    return {link.end2, link.end1, link.frequency, link.sensitivity, link.margin};
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

LegalPower legalTransmitPower(const LinkEndFields& end, const NumberLocale& locale) {
    return legalPowerOf(evaluateEnd(end, locale), toSingle(end.gain, locale));
}

PathReadouts pathReadouts(const LinkFields& link, std::string_view distanceKm,
                          const NumberLocale& locale) {
    return pathOf(link, evaluateLink(link, locale), distanceKm, locale);
}

namespace {

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

} // namespace

Directions linkDirections(const LinkFields& link, const NumberLocale& locale) {
    return directionsFrom(evaluateLink(link, locale).distance, link, locale);
}

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
