#pragma once

#include "engine_error.h"
#include "number_locale.h"

#include <string_view>

namespace tarvanel {

// A link end's power unit. The window keeps it as the position of the red
// underline under "dBm" or "mW"; powerUnitFromUnderline maps that position.
enum class PowerUnit { dBm, mW, None };

// Underline x1 positions in twips (15 twips per pixel).
inline constexpr float kUnderlineDbmX1 = 2920.0f;
inline constexpr float kUnderlineDbmX2 = 3380.0f;
inline constexpr float kUnderlineMwX1 = 3700.0f;
inline constexpr float kUnderlineMwX2 = 4080.0f;

constexpr PowerUnit powerUnitFromUnderline(float x1) {
    if (x1 == kUnderlineDbmX1) return PowerUnit::dBm;
    if (x1 == kUnderlineMwX1) return PowerUnit::mW;
    return PowerUnit::None;
}

// The texts of one link end's fields, exactly as the user left them.
struct LinkEndFields {
    std::string_view power; // Text2 / Text10, in `unit`
    PowerUnit unit = PowerUnit::dBm;
    std::string_view gain;         // Text3 / Text9, dBi
    std::string_view lossPerMetre; // Text4 / Text8, dB/m
    std::string_view length;       // Text5 / Text7, m
    std::string_view connectors;   // Text6 / Text1, count
};

// The texts of every input of the link.
struct LinkFields {
    LinkEndFields end1;           // transmits
    LinkEndFields end2;           // receives
    std::string_view frequency;   // txtFrequency, MHz
    std::string_view sensitivity; // Text11, dBm (its magnitude counts)
    std::string_view margin;      // Text12, dB (its magnitude counts)
};

// Each connector costs this much, in dB.
inline constexpr double kConnectorLossDb = 0.25;
// Above this EIRP (dBm) a link end is outside the legal limit.
inline constexpr float kLegalEirpLimitDbm = 20.0f;

// Plain functions: they pass every error to the caller.

// Transmitter power in dBm. In mW the power is converted and rounded to two
// decimals (0.5 mW gives -3.01 dBm). NotNumeric / Overflow from the text,
// InvalidOperation for a non-positive power in mW; 0 when the unit is None.
Outcome<float> GetPower(const LinkEndFields& end, const NumberLocale& locale);
Outcome<float> GetPower1(const LinkFields& link, const NumberLocale& locale);
Outcome<float> GetPower2(const LinkFields& link, const NumberLocale& locale);

// Cable loss in dB = loss per metre x length + connectors x 0.25. 0 (not an
// error) when any of the three texts is not numeric; Overflow past single
// precision or past a 16-bit connector count.
Outcome<float> ReturnCableLoss(const LinkEndFields& end, const NumberLocale& locale);
Outcome<float> ReturnCableLoss1(const LinkFields& link, const NumberLocale& locale);
Outcome<float> ReturnCableLoss2(const LinkFields& link, const NumberLocale& locale);

// Guarded functions: any failure gives 0.

// EIRP in dBm = gain + power - cable loss.
float Calc_EIRP(const LinkEndFields& end, const NumberLocale& locale);
float Calc_EIRP1(const LinkFields& link, const NumberLocale& locale);
float Calc_EIRP2(const LinkFields& link, const NumberLocale& locale);

// Greatest distance in km at which the free-space loss equals the allowed path
// loss (EIRP1 + G2 - L2 + |sensitivity| - |margin|).
float CalcDistance(const LinkFields& link, const NumberLocale& locale);

// Free-space loss in dB over CalcDistance.
float Calc_FSL(const LinkFields& link, const NumberLocale& locale);

// First Fresnel zone radius in metres at mid-path over CalcDistance.
float Calc_Frensel_Zone(const LinkFields& link, const NumberLocale& locale);

} // namespace tarvanel
