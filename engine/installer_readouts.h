#pragma once

#include "engine/link_budget.h"
#include "numbers/number_locale.h"
#include "numbers/outcome.h"

#include <optional>
#include <string_view>

namespace tarvanel {

// The installer's read-outs: figures for setting up a link in the field,
// computed in double precision from the same field texts as the link results.
//  - legal power of an end: the greatest transmitter power that keeps its
//    EIRP at the legal limit of the band rule in force, limit - gain + cable
//    loss, in dBm and mW (none without a rule);
//  - at the link distance typed in km (only a positive one computes): the
//    free-space loss, the level received at end 2 (EIRP1 + G2 - L2 - loss),
//    the margin above the sensitivity and whether it meets the fade margin,
//    and the clearance needed at mid-path, 0.6 F1 + the earth's bulge for the
//    effective earth-radius factor k;
//  - the greatest distance the other way round (end 2 transmitting).
//
// Example link at 5 km (2427 MHz, a limit of 20 dBm): legal powers 7.70 dBm (5.89 mW) and 6.50 dBm
// (4.47 mW); loss 114.13 dB, received -68.33 dBm, margin 11.67 dB (met),
// clearance 7.82 m (F1 12.43 m, 0.6 F1 7.46 m, bulge 0.37 m); way back
// 6.061 km.

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

// A typed link distance in km: only a positive one computes.
Outcome<double> typedDistanceKm(std::string_view text, const NumberLocale& locale);

PathReadouts pathReadouts(const LinkReading& link, const LinkResults& results,
                          const Outcome<double>& distanceKm, double earthFactor);

// The greatest transmitter power of an end within the legal limit (dBm; none
// when no rule is in force).
struct LegalPower {
    Outcome<double> dbm;
    Outcome<double> milliwatts;
};
LegalPower legalPowerOf(const EndResults& results, const Outcome<float>& gain,
                        std::optional<float> limitDbm);

// Which way round the link reaches less far.
enum class LimitingDirection {
    Unknown,    // a greatest distance does not compute
    End1ToEnd2, // end 1 transmitting
    End2ToEnd1, // end 2 transmitting
    Neither,    // both greatest distances show the same to the metre
};

// The greatest distance each way round, km, as the link's results give it.
struct Directions {
    Outcome<float> forward;
    Outcome<float> reverse;
    LimitingDirection limiting = LimitingDirection::Unknown;
};
// The forward distance is the one the link's own evaluation already holds;
// the way back is the same reading with the ends swapped. The two are
// compared as lblDistance shows them, to the metre.
Directions directionsOf(const LinkReading& link, const LinkResults& results);

} // namespace tarvanel
