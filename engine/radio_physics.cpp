#include "engine/radio_physics.h"

#include "numbers/checked_math.h"

#include <cmath>

namespace tarvanel {

namespace {
constexpr double kFourPi = 12.56637061435916; // 4 pi, 16 digits
constexpr double kMetresPerKm = 1000.0;
} // namespace

Outcome<double> wavelengthMetres(double megahertz) {
    if (!(megahertz > 0.0)) return Failed{EngineError::InvalidOperation};
    return checked::divide(kSpeedOfLightMegametresPerSecond, megahertz);
}

Outcome<double> freeSpaceLossDb(double megahertz, double kilometres) {
    TARVANEL_TRY(ratio, checked::divide(megahertz * kFourPi * kilometres * kMetresPerKm,
                                        kSpeedOfLightMegametresPerSecond));
    if (!(ratio.value > 0.0)) return Failed{EngineError::InvalidOperation};
    TARVANEL_TRY(decades, checked::value(std::log(ratio.value) / std::log(10.0)));
    return checked::value(20.0 * decades.value);
}

Outcome<double> freeSpaceDistanceKm(double megahertz, double lossDb) {
    if (!(megahertz > 0.0)) return Failed{EngineError::InvalidOperation};
    TARVANEL_TRY(lossOverOneKm, freeSpaceLossDb(megahertz, 1.0));
    TARVANEL_TRY(exponent, checked::value((lossDb - lossOverOneKm.value) / 20.0));
    return checked::value(std::pow(10.0, exponent.value));
}

Outcome<double> offAxisDegrees(double lossDb, double beamwidthDegrees) {
    if (!(beamwidthDegrees > 0.0) || !(lossDb >= 0.0)) return Failed{EngineError::InvalidOperation};
    TARVANEL_TRY(root, checked::squareRoot(lossDb / 12.0));
    return checked::value(beamwidthDegrees * root.value);
}

Outcome<double> fresnelRadiusMetres(double megahertz, double d1Km, double d2Km) {
    TARVANEL_TRY(wavelength, wavelengthMetres(megahertz));
    TARVANEL_TRY(share, checked::divide(d1Km * d2Km * kMetresPerKm, d1Km + d2Km));
    return checked::squareRoot(wavelength.value * share.value);
}

Outcome<double> earthBulgeMetres(double d1Km, double d2Km, double earthFactor) {
    return checked::divide(d1Km * d2Km * kMetresPerKm, 2.0 * earthFactor * kEarthRadiusKm);
}

Outcome<double> lineOfSightMetres(double h1, double h2, double d1Km, double dKm) {
    TARVANEL_TRY(share, checked::divide(d1Km, dKm));
    return checked::value(h1 + (h2 - h1) * share.value);
}

Outcome<double> diffractionParameter(double clearanceMetres, double megahertz, double d1Km,
                                     double d2Km) {
    TARVANEL_TRY(wavelength, wavelengthMetres(megahertz));
    TARVANEL_TRY(inverse1, checked::divide(1.0, d1Km * kMetresPerKm));
    TARVANEL_TRY(inverse2, checked::divide(1.0, d2Km * kMetresPerKm));
    TARVANEL_TRY(root,
                 checked::squareRoot(2.0 / wavelength.value * (inverse1.value + inverse2.value)));
    return checked::value(-clearanceMetres * root.value);
}

Outcome<double> knifeEdgeLossDb(double v) {
    TARVANEL_TRY(parameter, checked::value(v));
    if (!(parameter.value > -0.78)) return {0.0};
    const double shifted = parameter.value - 0.1;
    TARVANEL_TRY(sum, checked::value(std::sqrt(shifted * shifted + 1.0) + shifted));
    if (!(sum.value > 0.0)) return Failed{EngineError::InvalidOperation};
    return checked::value(6.9 + 20.0 * std::log10(sum.value));
}

Outcome<double> antennaTiltDegrees(double hThis, double hOther, double dKm, double earthFactor) {
    const double metres = dKm * kMetresPerKm;
    TARVANEL_TRY(rise, checked::divide(hOther - hThis, metres));
    TARVANEL_TRY(drop, checked::divide(metres, 2.0 * earthFactor * kEarthRadiusKm * kMetresPerKm));
    constexpr double kDegreesPerRadian = 57.29577951308232;
    return checked::value(std::atan(rise.value - drop.value) * kDegreesPerRadian);
}

Outcome<double> antennaHeightForLineMetres(double targetMetres, double hOther, double d1Km,
                                           double d2Km) {
    return checked::divide(targetMetres * (d1Km + d2Km) - hOther * d1Km, d2Km);
}

Outcome<double> bullingtonBreakpointKm(double hts, double hrs, double stim, double srim,
                                       double dKm) {
    return checked::divide(hrs - hts + srim * dKm, stim + srim);
}

Outcome<double> bullingtonLossDb(double lucDb, double dKm) {
    return checked::value(lucDb + (1.0 - std::exp(-lucDb / 6.0)) * (10.0 + 0.02 * dKm));
}

Outcome<double> milliwattsToDbm(double milliwatts) {
    TARVANEL_TRY(power, checked::value(milliwatts));
    if (!(power.value > 0.0)) return Failed{EngineError::InvalidOperation};
    return checked::value(10.0 * std::log(power.value) / std::log(10.0));
}

Outcome<double> dbmToMilliwatts(double dbm) {
    TARVANEL_TRY(power, checked::value(dbm));
    return checked::value(std::pow(10.0, power.value / 10.0));
}

Outcome<double> sensitivityMagnitude(const Outcome<std::int16_t>& sensitivity) {
    if (!sensitivity.ok()) return Failed{sensitivity.error};
    // |-32768| does not fit the 16-bit integer the magnitude is taken in.
    if (sensitivity.value == INT16_MIN) return Failed{EngineError::Overflow};
    return {std::fabs(static_cast<double>(sensitivity.value))};
}

bool meetsFadeMargin(double margin, double fadeMargin) {
    return std::round(margin * 100.0) / 100.0 >= std::fabs(fadeMargin);
}

} // namespace tarvanel
