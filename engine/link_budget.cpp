#include "engine/link_budget.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "engine/power_conversion.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tarvanel {

namespace {

using Single = Outcome<float>;

constexpr double kSpeedOfLight1e8 = 2.99792458;            // 10^8 m/s
constexpr double kSpeedOfLight1e6 = 299.792458;            // 10^6 m/s
constexpr double kFortyPi = 125.6637061435916;             // 40 pi, 16 digits
constexpr double kFourPi = 12.56637061435916;              // 4 pi, 16 digits
constexpr float kFresnelDistanceFactor = 250.0f;           // km / (4 x GHz) -> km x 250 / MHz
const double kFresnelRadiusFactor = std::sqrt(299.792458); // sqrt(c) in 10^6 m/s

// Leaves the enclosing function with the failure of an intermediate Outcome.
#define TARVANEL_TRY(name, expression)                                                             \
    const auto name = (expression);                                                                \
    if (!name.ok()) return Single::failure(name.error)

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

// A link end's fields, each read once.
struct EndReading {
    Single power;
    Single cableLoss;
    Single gain;
};

EndReading readEnd(const LinkEndFields& end, const NumberLocale& locale) {
    return {powerOf(end, locale), cableLossOf(end, locale), toSingle(end.gain, locale)};
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
    // The sensitivity is entered as its magnitude: 80 and -80 both mean -80 dBm.
    if (!sensitivity.ok()) return Single::failure(sensitivity.error);
    if (sensitivity.value == std::numeric_limits<std::int16_t>::min())
        return Single::failure(EngineError::Overflow);
    const auto sensitivityMagnitude = static_cast<float>(std::abs(sensitivity.value));

    if (!eirp1.ok()) return eirp1;
    TARVANEL_TRY(gain2, end2.gain);
    TARVANEL_TRY(cableLoss2, end2.cableLoss);
    const double budget =
        static_cast<double>(gain2.value) + eirp1.value - cableLoss2.value + sensitivityMagnitude;

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
Single freeSpaceLossOf(const Outcome<double>& frequency, const Single& distance) {
    TARVANEL_TRY(megahertz, frequency);
    if (!distance.ok()) return distance;
    TARVANEL_TRY(ratio, checked::divide(megahertz.value * kFourPi * distance.value * 1000.0,
                                        kSpeedOfLight1e6));
    if (!(ratio.value > 0.0)) return Single::failure(EngineError::InvalidOperation);
    TARVANEL_TRY(decades, checked::value(std::log(ratio.value) / std::log(10.0)));
    // The loss is shown whenever the distance computes, also for an EIRP of
    // exactly 0 dBm; a failed EIRP has already made the distance fail.
    return checked::toSingle(20.0 * decades.value);
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

#undef TARVANEL_TRY

} // namespace

EndResults evaluateEnd(const LinkEndFields& end, const NumberLocale& locale) {
    return resultsOf(readEnd(end, locale));
}

LinkResults evaluateLink(const LinkFields& link, const NumberLocale& locale) {
    const EndReading end1 = readEnd(link.end1, locale);
    const EndReading end2 = readEnd(link.end2, locale);
    // The distance and the radius take the frequency in single precision, the
    // loss in double precision: both readings of the one text are kept.
    const Single frequency = toSingle(link.frequency, locale);
    const Outcome<double> frequencyDouble = toDouble(link.frequency, locale);
    LinkResults results{resultsOf(end1), resultsOf(end2), {}, {}, {}};
    results.distance = distanceOf(results.end1.eirp, end2, toInt16(link.sensitivity, locale),
                                  toSingle(link.margin, locale), frequency);
    results.freeSpaceLoss = freeSpaceLossOf(frequencyDouble, results.distance);
    results.fresnelRadius = fresnelRadiusOf(frequency, results.distance);
    return results;
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
