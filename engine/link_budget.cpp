#include "link_budget.h"
#include "link_readings.h"

#include "number_text.h"

#include <cmath>
#include <limits>

namespace tarvanel {

namespace {

using Single = Outcome<float>;
using Double = Outcome<double>;

// Checked double-precision arithmetic: every step reports division by zero,
// an invalid operation or overflow where it happens instead of carrying an
// infinity or NaN along.
Double checked(double value) {
    if (std::isnan(value)) return Double::failure(EngineError::InvalidOperation);
    if (std::isinf(value)) return Double::failure(EngineError::Overflow);
    return {value};
}

Double divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        return Double::failure(numerator == 0.0 ? EngineError::InvalidOperation
                                                : EngineError::DivisionByZero);
    }
    return checked(numerator / denominator);
}

Double log10Of(double value) {
    if (!(value > 0.0)) return Double::failure(EngineError::InvalidOperation);
    return checked(std::log(value) / std::log(10.0));
}

Double squareRoot(double value) {
    if (value < 0.0) return Double::failure(EngineError::InvalidOperation);
    return checked(std::sqrt(value));
}

// Stores a double-precision intermediate as a single-precision result.
Single toSingleResult(double value) {
    const Double finite = checked(value);
    if (!finite.ok()) return Single::failure(finite.error);
    const auto single = static_cast<float>(value);
    if (std::isinf(single)) return Single::failure(EngineError::Overflow);
    return {single};
}

constexpr double kSpeedOfLight1e8 = 2.99792458;            // 10^8 m/s
constexpr double kSpeedOfLight1e6 = 299.792458;            // 10^6 m/s
constexpr double kFortyPi = 125.6637061435916;             // 40 pi, 16 digits
constexpr double kFourPi = 12.56637061435916;              // 4 pi, 16 digits
constexpr float kFresnelDistanceFactor = 250.0f;           // km / (4 x GHz) -> km x 250 / MHz
const double kFresnelRadiusFactor = std::sqrt(299.792458); // sqrt(c) in 10^6 m/s

// Leaves the enclosing function with the failure of an intermediate Outcome.
#define TARVANEL_TRY(name, expression)                                                             \
    const auto name = (expression);                                                                \
    if (!name.ok()) return decltype(result)::failure(name.error)

} // namespace

EndReadings readEnd(const LinkEndFields& end, const NumberLocale& locale) {
    return {GetPower(end, locale), ReturnCableLoss(end, locale), toSingle(end.gain, locale)};
}

LinkReadings readLink(const LinkFields& link, const NumberLocale& locale) {
    return {readEnd(link.end1, locale),        readEnd(link.end2, locale),
            toInt16(link.sensitivity, locale), toSingle(link.margin, locale),
            toSingle(link.frequency, locale),  toDouble(link.frequency, locale)};
}

// EIRP in double precision, rounded to single when stored.
Single eirpOf(const EndReadings& end) {
    Single result;
    TARVANEL_TRY(cableLoss, end.cableLoss);
    TARVANEL_TRY(power, end.power);
    TARVANEL_TRY(gain, end.gain);
    return toSingleResult(static_cast<double>(gain.value) + power.value - cableLoss.value);
}

Single distanceOf(const LinkReadings& link) {
    Single result;
    // The sensitivity is entered as its magnitude: 80 and -80 both mean -80 dBm.
    TARVANEL_TRY(sensitivity, link.sensitivity);
    if (sensitivity.value == std::numeric_limits<std::int16_t>::min())
        return Single::failure(EngineError::Overflow);
    const auto sensitivityMagnitude = static_cast<float>(std::abs(sensitivity.value));

    TARVANEL_TRY(eirp1, eirpOf(link.end1));
    TARVANEL_TRY(gain2, link.end2.gain);
    TARVANEL_TRY(cableLoss2, link.end2.cableLoss);
    const double budget =
        static_cast<double>(gain2.value) + eirp1.value - cableLoss2.value + sensitivityMagnitude;

    TARVANEL_TRY(margin, link.margin);
    TARVANEL_TRY(exponent, checked((budget - std::fabs(margin.value)) / 20.0));
    TARVANEL_TRY(amplitude, checked(std::pow(10.0, exponent.value)));
    TARVANEL_TRY(numerator, checked(amplitude.value * kSpeedOfLight1e8));
    TARVANEL_TRY(frequency, link.frequency);
    TARVANEL_TRY(denominator, checked(frequency.value * kFortyPi));
    TARVANEL_TRY(distance, divide(numerator.value, denominator.value));
    return toSingleResult(distance.value);
}

Single freeSpaceLossOf(const LinkReadings& link, const Single& distance) {
    Single result;
    TARVANEL_TRY(frequency, link.frequencyDouble);
    if (!distance.ok()) return distance;
    TARVANEL_TRY(ratio,
                 divide(frequency.value * kFourPi * distance.value * 1000.0, kSpeedOfLight1e6));
    TARVANEL_TRY(decades, log10Of(ratio.value));
    // The loss is shown whenever the distance computes, also for an EIRP of
    // exactly 0 dBm; a failed EIRP has already made the distance fail.
    return toSingleResult(20.0 * decades.value);
}

Single fresnelRadiusOf(const LinkReadings& link, const Single& distance) {
    Single result;
    TARVANEL_TRY(frequency, link.frequency);
    if (!distance.ok()) return distance;
    TARVANEL_TRY(scaled,
                 toSingleResult(static_cast<double>(distance.value) * kFresnelDistanceFactor));
    TARVANEL_TRY(ratio, divide(scaled.value, frequency.value));
    TARVANEL_TRY(root, squareRoot(ratio.value));
    return toSingleResult(root.value * kFresnelRadiusFactor);
}

#undef TARVANEL_TRY

Outcome<float> GetPower(const LinkEndFields& end, const NumberLocale& locale) {
    switch (end.unit) {
    case PowerUnit::dBm:
        return toSingle(end.power, locale);
    case PowerUnit::mW: {
        const Single milliwatts = toSingle(end.power, locale);
        if (!milliwatts.ok()) return milliwatts;
        const Double dbm = log10Of(milliwatts.value);
        if (!dbm.ok()) return Single::failure(dbm.error);
        // The two-decimal rounding is part of the value: 0.5 mW is -3.01 dBm.
        const std::string rounded =
            formatPattern(10.0 * dbm.value, DisplayPattern::TwoDecimals, locale);
        return toSingle(rounded, locale);
    }
    case PowerUnit::None:
        break;
    }
    return {0.0f};
}

Outcome<float> GetPower1(const LinkFields& link, const NumberLocale& locale) {
    return GetPower(link.end1, locale);
}

Outcome<float> GetPower2(const LinkFields& link, const NumberLocale& locale) {
    return GetPower(link.end2, locale);
}

Outcome<float> ReturnCableLoss(const LinkEndFields& end, const NumberLocale& locale) {
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
    return toSingleResult(connectors.value * kConnectorLossDb + cableLoss);
}

Outcome<float> ReturnCableLoss1(const LinkFields& link, const NumberLocale& locale) {
    return ReturnCableLoss(link.end1, locale);
}

Outcome<float> ReturnCableLoss2(const LinkFields& link, const NumberLocale& locale) {
    return ReturnCableLoss(link.end2, locale);
}

float Calc_EIRP(const LinkEndFields& end, const NumberLocale& locale) {
    return orZero(eirpOf(readEnd(end, locale)));
}

float Calc_EIRP1(const LinkFields& link, const NumberLocale& locale) {
    return Calc_EIRP(link.end1, locale);
}

float Calc_EIRP2(const LinkFields& link, const NumberLocale& locale) {
    return Calc_EIRP(link.end2, locale);
}

float CalcDistance(const LinkFields& link, const NumberLocale& locale) {
    return orZero(distanceOf(readLink(link, locale)));
}

float Calc_FSL(const LinkFields& link, const NumberLocale& locale) {
    const LinkReadings readings = readLink(link, locale);
    return orZero(freeSpaceLossOf(readings, distanceOf(readings)));
}

float Calc_Frensel_Zone(const LinkFields& link, const NumberLocale& locale) {
    const LinkReadings readings = readLink(link, locale);
    return orZero(fresnelRadiusOf(readings, distanceOf(readings)));
}

} // namespace tarvanel
