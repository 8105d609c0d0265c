#pragma once

#include "engine/engine_error.h"
#include "engine/link_budget.h"
#include "engine/number_locale.h"

#include <string>
#include <string_view>

namespace tarvanel {

// The installer's read-outs: figures for setting up a link in the field,
// computed in double precision from the same field texts as the link results.

// The greatest transmitter power that keeps a link end's EIRP at the legal
// limit: 20 dBm - gain + cable loss. It needs the gain and the cable loss, not
// the power field.
struct LegalPower {
    Outcome<double> dbm;
    Outcome<double> milliwatts;
};
LegalPower legalTransmitPower(const LinkEndFields& end, const NumberLocale& locale);

// The path from end 1 to end 2 at a link distance typed in km. Only a positive
// distance computes; any failure leaves the figures that need it failed.
struct PathReadouts {
    Outcome<double> freeSpaceLoss; // 20 log10(4 pi f d 1000 / 299.792458), dB
    Outcome<double> received;      // EIRP1 + G2 - L2 - free-space loss, dBm
    // Received level + |sensitivity|, dB; it needs the fade margin as well.
    Outcome<double> margin;
    bool marginMet = false;        // margin >= |fade margin|
    Outcome<double> fresnelRadius; // F1 = sqrt(lambda d / 4) at mid-path, m
    Outcome<double> fresnelPart;   // 0.6 F1, m
    Outcome<double> earthBulge;    // d^2 / (8 k R) at mid-path, k = 4/3, m
    Outcome<double> clearance;     // 0.6 F1 + earth bulge, m
};
PathReadouts pathReadouts(const LinkFields& link, std::string_view distanceKm,
                          const NumberLocale& locale);

// Which way round the link reaches less far.
enum class LimitingDirection {
    Unknown,    // a greatest distance does not compute
    End1ToEnd2, // end 1 transmitting
    End2ToEnd1, // end 2 transmitting
    Neither,    // both greatest distances show the same to the metre
};

// The greatest distance each way round, km, as CalcDistance computes it
// (reverse: EIRP2 + G1 - L1 + |sensitivity| - |margin|).
struct Directions {
    Outcome<float> forward;
    Outcome<float> reverse;
    LimitingDirection limiting = LimitingDirection::Unknown;
};
Directions linkDirections(const LinkFields& link, const NumberLocale& locale);

// The read-outs as label texts in the user's locale; a text is empty when a
// figure it needs does not compute.
struct InstallerReadoutTexts {
    std::string legalPower1;     // "7.70 dBm (5.89 mW)"
    std::string legalPower2;     // "6.50 dBm (4.47 mW)"
    std::string freeSpaceLoss;   // "114.13 dB"
    std::string received;        // "-68.33 dBm"
    std::string margin;          // "11.67 dB"
    bool marginMet = false;      // green when true, red when false
    std::string clearance;       // "7.82 m"
    std::string fresnelRadius;   // "12.43 m"
    std::string fresnelPart;     // "7.46 m"
    std::string earthBulge;      // "0.37 m"
    std::string reverseDistance; // "6.061 Km"
    LimitingDirection limiting = LimitingDirection::Unknown;
};
InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, std::string_view distanceKm,
                                            const NumberLocale& locale);
// The same from the link's evaluation already at hand (the refresh has one).
InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, const LinkResults& results,
                                            std::string_view distanceKm,
                                            const NumberLocale& locale);

} // namespace tarvanel
