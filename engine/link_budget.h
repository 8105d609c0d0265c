#pragma once

#include "numbers/number_locale.h"
#include "numbers/outcome.h"

#include <cstdint>
#include <string>

namespace tarvanel {

// A link end's power unit; None when the window shows neither.
enum class PowerUnit { dBm, mW, None };

// The texts of one link end's fields, exactly as the user left them.
struct LinkEndFields {
    std::string power; // Text2 / Text10, in `unit`
    PowerUnit unit = PowerUnit::dBm;
    std::string gain;         // Text3 / Text9, dBi
    std::string lossPerMetre; // Text4 / Text8, dB/m
    std::string length;       // Text5 / Text7, m
    std::string connectors;   // Text6 / Text1, count

    bool operator==(const LinkEndFields&) const = default;
};

// The texts of every input of the link.
struct LinkFields {
    LinkEndFields end1;      // transmits
    LinkEndFields end2;      // receives
    std::string frequency;   // txtFrequency, MHz
    std::string sensitivity; // Text11, dBm (its magnitude counts)
    std::string margin;      // Text12, dB (its magnitude counts)

    bool operator==(const LinkFields&) const = default;
};

// Each connector costs this much, in dB.
inline constexpr double kConnectorLossDb = 0.25;
// Whether a link end's legal-limit warning shows: its EIRP strictly above the
// limit of the band rule in force (band/band.h: legalRuleOf), both dBm.
inline bool exceedsLegalLimit(float eirp, float limitDbm) {
    return eirp > limitDbm;
}

// The results of one link end, each with the reason it failed.
struct EndResults {
    // Transmitter power in dBm. In mW the power is converted and rounded to
    // two decimals (0.5 mW gives -3.01 dBm). NotNumeric / Overflow from the
    // text, InvalidOperation for a non-positive power in mW; 0 when the unit
    // is None.
    Outcome<float> power;
    // Loss per metre x length + connectors x 0.25 dB. 0 (not an error) when
    // any of the three texts is not numeric; Overflow past single precision or
    // past a 16-bit connector count.
    Outcome<float> cableLoss;
    // EIRP in dBm = gain + power - cable loss.
    Outcome<float> eirp;
};

// Every result of the link from one reading of its fields.
struct LinkResults {
    EndResults end1;
    EndResults end2;
    // Greatest distance in km at which the free-space loss equals the allowed
    // path loss (EIRP1 + G2 - L2 + |sensitivity| - |margin|).
    Outcome<float> distance;
    // Free-space loss in dB over that distance.
    Outcome<float> freeSpaceLoss;
    // First Fresnel zone radius in metres at mid-path over that distance.
    Outcome<float> fresnelRadius;
};

// One link end's fields, each read once as the results take it.
struct EndReading {
    Outcome<float> power; // dBm, as EndResults::power
    Outcome<float> cableLoss;
    Outcome<float> gain; // dBi
};

// The link's texts read once into numbers: everything the results, the
// read-outs, the path, the rates and the alignment start from. The frequency
// is kept in both precisions its readers have always taken it in.
struct LinkReading {
    EndReading end1;                   // transmits
    EndReading end2;                   // receives
    Outcome<float> frequency;          // MHz, single precision
    Outcome<double> frequencyDouble;   // MHz, double precision
    Outcome<std::int16_t> sensitivity; // dBm, its magnitude counts
    Outcome<float> margin;             // dB, its magnitude counts
};

EndReading readEnd(const LinkEndFields& end, const NumberLocale& locale);
LinkReading readLink(const LinkFields& link, const NumberLocale& locale);
// The same link the other way round: end 2 transmits to end 1.
LinkReading reversed(const LinkReading& link);

EndResults evaluateEnd(const EndReading& end);
LinkResults evaluateLink(const LinkReading& link);
// Reading and evaluating in one step.
EndResults evaluateEnd(const LinkEndFields& end, const NumberLocale& locale);
LinkResults evaluateLink(const LinkFields& link, const NumberLocale& locale);

// The calculator's named functions, views of the results above.

// Plain functions: they pass every error to the caller.
Outcome<float> GetPower(const LinkEndFields& end, const NumberLocale& locale);
Outcome<float> GetPower1(const LinkFields& link, const NumberLocale& locale);
Outcome<float> GetPower2(const LinkFields& link, const NumberLocale& locale);
Outcome<float> ReturnCableLoss(const LinkEndFields& end, const NumberLocale& locale);
Outcome<float> ReturnCableLoss1(const LinkFields& link, const NumberLocale& locale);
Outcome<float> ReturnCableLoss2(const LinkFields& link, const NumberLocale& locale);

// Guarded functions: any failure gives 0.
float Calc_EIRP(const LinkEndFields& end, const NumberLocale& locale);
float Calc_EIRP1(const LinkFields& link, const NumberLocale& locale);
float Calc_EIRP2(const LinkFields& link, const NumberLocale& locale);
float CalcDistance(const LinkFields& link, const NumberLocale& locale);
float Calc_FSL(const LinkFields& link, const NumberLocale& locale);
float Calc_Frensel_Zone(const LinkFields& link, const NumberLocale& locale);

} // namespace tarvanel
