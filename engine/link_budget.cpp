#include "engine/link_budget.h"

#include "engine/radio_physics.h"
#include "numbers/checked_math.h"
#include "numbers/number_text.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace tarvanel {

namespace {

using Single = Outcome<float>;

// The greatest distance and the Fresnel radius keep steps of their own (a
// wavelength in 10^8 m/s, a distance stored in single precision on the way),
// so they are not the shared physics' formulas, whose figures differ from
// theirs in the last digits.
constexpr double kSpeedOfLight1e8 = 2.99792458;                                  // 10^8 m/s
constexpr double kFortyPi = 125.6637061435916;                                   // 40 pi, 16 digits
constexpr float kFresnelDistanceFactor = 250.0f;                                 // km x 250 / MHz
const double kFresnelRadiusFactor = std::sqrt(kSpeedOfLightMegametresPerSecond); // sqrt(c)

Single powerOf(const LinkEndFields& end, const NumberLocale& locale) {
    switch (end.unit) {
    case PowerUnit::dBm:
        return toSingle(end.power, locale);
    case PowerUnit::mW: {
        TARVANEL_TRY(milliwatts, toSingle(end.power, locale));
        TARVANEL_TRY(dbm, milliwattsToDbm(milliwatts.value));
        // The two-decimal rounding is part of the value: 0.5 mW is -3.01 dBm.
        return toSingle(formatPattern(dbm.value, DisplayPattern::TwoDecimals, locale), locale);
    }
    case PowerUnit::None:
        break;
    }
    return {0.0f};
}

Single cableLossOf(const LinkEndFields& end, const NumberLocale& locale) {
    const Single lossPerMetre = toSingle(end.lossPerMetre, locale);
    const Single length = toSingle(end.length, locale);
    const Outcome<std::int16_t> connectors = toInt16(end.connectors, locale);
    // A field that is not a number leaves the cable out altogether, even when
    // another one is a number out of range.
    for (EngineError error : {lossPerMetre.error, length.error, connectors.error}) {
        if (error == EngineError::NotNumeric) return {0.0f};
    }
    if (!lossPerMetre.ok()) return lossPerMetre;
    if (!length.ok()) return length;
    if (!connectors.ok()) return Single::failure(connectors.error);
    // A product of two singles is exact in double precision.
    const double cableLoss = static_cast<double>(lossPerMetre.value) * length.value;
    return checked::toSingle(connectors.value * kConnectorLossDb + cableLoss);
}

// EIRP in double precision, rounded to single when stored.
Single eirpOf(const EndReading& end) {
    TARVANEL_TRY(cableLoss, end.cableLoss);
    TARVANEL_TRY(power, end.power);
    TARVANEL_TRY(gain, end.gain);
    return checked::toSingle(static_cast<double>(gain.value) + power.value - cableLoss.value);
}

EndResults resultsOf(const EndReading& end) {
    return {end.power, end.cableLoss, eirpOf(end)};
}

Single distanceOf(const Single& eirp1, const EndReading& end2,
                  const Outcome<std::int16_t>& sensitivity, const Single& margin,
                  const Single& frequency) {
    TARVANEL_TRY(magnitude, sensitivityMagnitude(sensitivity));
    if (!eirp1.ok()) return eirp1;
    TARVANEL_TRY(gain2, end2.gain);
    TARVANEL_TRY(cableLoss2, end2.cableLoss);
    const double budget = static_cast<double>(gain2.value) + eirp1.value - cableLoss2.value +
                          static_cast<float>(magnitude.value);

    if (!margin.ok()) return margin;
    TARVANEL_TRY(exponent, checked::value((budget - std::fabs(margin.value)) / 20.0));
    TARVANEL_TRY(amplitude, checked::value(std::pow(10.0, exponent.value)));
    TARVANEL_TRY(numerator, checked::value(amplitude.value * kSpeedOfLight1e8));
    if (!frequency.ok()) return frequency;
    TARVANEL_TRY(denominator, checked::value(frequency.value * kFortyPi));
    TARVANEL_TRY(distance, checked::divide(numerator.value, denominator.value));
    return checked::toSingle(distance.value);
}

// The frequency read in double precision, as this loss has always read it.
// The loss is shown whenever the distance computes, also for an EIRP of
// exactly 0 dBm; a failed EIRP has already made the distance fail.
Single freeSpaceLossOf(const Outcome<double>& frequency, const Single& distance) {
    TARVANEL_TRY(megahertz, frequency);
    if (!distance.ok()) return distance;
    TARVANEL_TRY(loss, freeSpaceLossDb(megahertz.value, distance.value));
    return checked::toSingle(loss.value);
}

Single fresnelRadiusOf(const Single& frequency, const Single& distance) {
    if (!frequency.ok()) return frequency;
    if (!distance.ok()) return distance;
    TARVANEL_TRY(scaled,
                 checked::toSingle(static_cast<double>(distance.value) * kFresnelDistanceFactor));
    TARVANEL_TRY(ratio, checked::divide(scaled.value, frequency.value));
    TARVANEL_TRY(root, checked::squareRoot(ratio.value));
    return checked::toSingle(root.value * kFresnelRadiusFactor);
}

} // namespace

EndReading readEnd(const LinkEndFields& end, const NumberLocale& locale) {
    return {powerOf(end, locale), cableLossOf(end, locale), toSingle(end.gain, locale)};
}

LinkReading readLink(const LinkFields& link, const NumberLocale& locale) {
    // The distance and the radius take the frequency in single precision, the
    // loss in double precision: both readings of the one text are kept.
    return {readEnd(link.end1, locale),        readEnd(link.end2, locale),
            toSingle(link.frequency, locale),  toDouble(link.frequency, locale),
            toInt16(link.sensitivity, locale), toSingle(link.margin, locale)};
}

LinkReading reversed(const LinkReading& link) {
    LinkReading back = link;
    std::swap(back.end1, back.end2);
    return back;
}

EndResults evaluateEnd(const EndReading& end) {
    return resultsOf(end);
}

LinkResults evaluateLink(const LinkReading& link) {
    LinkResults results{resultsOf(link.end1), resultsOf(link.end2), {}, {}, {}};
    results.distance =
        distanceOf(results.end1.eirp, link.end2, link.sensitivity, link.margin, link.frequency);
    results.freeSpaceLoss = freeSpaceLossOf(link.frequencyDouble, results.distance);
    results.fresnelRadius = fresnelRadiusOf(link.frequency, results.distance);
    return results;
}

EndResults evaluateEnd(const LinkEndFields& end, const NumberLocale& locale) {
    return evaluateEnd(readEnd(end, locale));
}

LinkResults evaluateLink(const LinkFields& link, const NumberLocale& locale) {
    return evaluateLink(readLink(link, locale));
}

Outcome<float> GetPower(const LinkEndFields& end, const NumberLocale& locale) {
    return evaluateEnd(end, locale).power;
}

Outcome<float> GetPower1(const LinkFields& link, const NumberLocale& locale) {
    return GetPower(link.end1, locale);
}

Outcome<float> GetPower2(const LinkFields& link, const NumberLocale& locale) {
    return GetPower(link.end2, locale);
}

Outcome<float> ReturnCableLoss(const LinkEndFields& end, const NumberLocale& locale) {
    return evaluateEnd(end, locale).cableLoss;
}

Outcome<float> ReturnCableLoss1(const LinkFields& link, const NumberLocale& locale) {
    return ReturnCableLoss(link.end1, locale);
}

Outcome<float> ReturnCableLoss2(const LinkFields& link, const NumberLocale& locale) {
    return ReturnCableLoss(link.end2, locale);
}

float Calc_EIRP(const LinkEndFields& end, const NumberLocale& locale) {
    return evaluateEnd(end, locale).eirp.orZero();
}

float Calc_EIRP1(const LinkFields& link, const NumberLocale& locale) {
    return Calc_EIRP(link.end1, locale);
}

float Calc_EIRP2(const LinkFields& link, const NumberLocale& locale) {
    return Calc_EIRP(link.end2, locale);
}

float CalcDistance(const LinkFields& link, const NumberLocale& locale) {
    return evaluateLink(link, locale).distance.orZero();
}

float Calc_FSL(const LinkFields& link, const NumberLocale& locale) {
    return evaluateLink(link, locale).freeSpaceLoss.orZero();
}

float Calc_Frensel_Zone(const LinkFields& link, const NumberLocale& locale) {
    return evaluateLink(link, locale).fresnelRadius.orZero();
}

} // namespace tarvanel
