#pragma once

#include "engine/engine_error.h"
#include "engine/link_budget.h"
#include "engine/number_locale.h"

#include <string>
#include <string_view>

namespace tarvanel {

// The installer's read-outs: figures for setting up a link in the field,
// computed in double precision from the same field texts as the link results.
//  - legal power of an end: the greatest transmitter power that keeps its
//    EIRP at the legal limit, 20 dBm - gain + cable loss, in dBm and mW;
//  - at the link distance typed in km (only a positive one computes): the
//    free-space loss, the level received at end 2 (EIRP1 + G2 - L2 - loss),
//    the margin above the sensitivity and whether it meets the fade margin,
//    and the clearance needed at mid-path, 0.6 F1 + the earth's bulge for the
//    effective earth-radius factor k;
//  - the greatest distance the other way round (end 2 transmitting).

// The figures at the link distance that the read-outs and the path use.
struct PathReadouts {
    Outcome<double> distance;  // km, only a positive one
    Outcome<double> frequency; // MHz, only a positive one
    Outcome<double> freeSpaceLoss;
    Outcome<double> received;   // at end 2, dBm
    Outcome<double> margin;     // received level + |sensitivity|, dB
    Outcome<double> fadeMargin; // dB, its magnitude counts
    bool marginMet = false;
    Outcome<double> fresnelRadius; // F1 at mid-path
    Outcome<double> fresnelPart;   // 0.6 F1
    Outcome<double> earthBulge;    // at mid-path, for the earth factor k
    Outcome<double> clearance;     // 0.6 F1 + bulge
};

PathReadouts pathReadouts(const LinkFields& link, const LinkResults& results,
                          std::string_view distanceKm, double earthFactor,
                          const NumberLocale& locale);

// Which way round the link reaches less far.
enum class LimitingDirection {
    Unknown,    // a greatest distance does not compute
    End1ToEnd2, // end 1 transmitting
    End2ToEnd1, // end 2 transmitting
    Neither,    // both greatest distances show the same to the metre
};

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
// With the standard earth factor (k = 4/3).
InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, std::string_view distanceKm,
                                            const NumberLocale& locale);
// From the link's evaluation and figures at hand (the refresh has them).
InstallerReadoutTexts installerReadoutTexts(const LinkFields& link, const LinkResults& results,
                                            const PathReadouts& path, const NumberLocale& locale);

} // namespace tarvanel
