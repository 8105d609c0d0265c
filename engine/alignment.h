#pragma once

#include "engine/budget_figures.h"
#include "numbers/number_locale.h"

#include <optional>
#include <string_view>

namespace tarvanel {

// Aiming the antennas: the level each end should receive, against the level
// its radio shows while the antenna is turned.
//
// The verdict is judged on the difference measured - expected rounded to two
// decimals, d (negative: weaker than expected):
//   -5 <= d <= +5     Aligned
//   -10 <= d < -5     CheckAim: turn the antenna further
//   d < -10           CheckCableConnectorsPath: more than aiming can explain
//   d > +5            CheckInputs: stronger than free space allows, so the
//                     link's figures (powers, gains, distance) are wrong
//
// On the example link at 5 km both ends should receive -68.33 dBm; a radio
// showing -71 is 2.67 dB weaker (aligned), -76 is 7.67 dB weaker (check the
// aim), -82 is 13.67 dB weaker (check cable, connectors and path), and -60 is
// 8.33 dB stronger (check the inputs).
//
// Below the receiver's sensitivity (judged on the level as shown) the radios
// do not associate at all, so no level is judged: at 6.333 km over a profile
// that costs 33.25 dB, both ends should receive -103.63 dBm, under -80 dBm.
enum class AlignmentVerdict { Aligned, CheckAim, CheckCableConnectorsPath, CheckInputs };

struct EndAlignment {
    std::optional<double> expectedDbm; // receivedDbm(): less the path's extra loss
    std::optional<double> measuredDbm;
    bool unreadableMeasured = false;    // typed, but not a number
    bool belowSensitivity = false;      // expected below the sensitivity: no verdict
    std::optional<double> differenceDb; // measured - expected
    std::optional<AlignmentVerdict> verdict;
};

// The alignment of the end `at`; `measured` is the level its radio shows, in
// dBm, its magnitude counting (71 and -71 both mean -71 dBm).
EndAlignment endAlignment(const BudgetFigures& link, ReceivingEnd at, std::string_view measured,
                          const NumberLocale& locale);

// How far off the axis an antenna of the typed half-power beamwidth (degrees,
// 0 < theta3 <= 360) points when it loses 1 dB and 3 dB: an 18 degree antenna,
// 5.2 and 9.0 degrees either side (see offAxisDegrees in radio_physics.h).
struct AimAngles {
    std::optional<double> oneDbDegrees;
    std::optional<double> threeDbDegrees;
};
AimAngles aimAngles(std::string_view beamwidthDegrees, const NumberLocale& locale);

} // namespace tarvanel
