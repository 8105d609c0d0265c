#pragma once

#include "numbers/number_locale.h"

#include <optional>
#include <string_view>

namespace tarvanel {

// The figures of a link that the rate table and the alignment aid start from,
// as numbers the caller fills from the link's evaluation (link_budget,
// installer_readouts, path_profile). A figure that does not compute is
// missing; so is an infinite or NaN one.
//
// The example link: 2427 MHz; end 1 at 20 dBm, 15 dBi, 2.7 dB of cable
// (EIRP 32.3 dBm); end 2 at 20 dBm, 15 dBi, 1.5 dB (EIRP 33.5 dBm);
// sensitivity 80, fade margin 10. At 5 km (114.13 dB of free-space loss) each
// end receives 32.3 + 15 - 1.5 - 114.13 = -68.33 dBm, 11.67 dB above -80 dBm;
// the greatest distance with the fade margin is 6.061 km.
struct EndBudget {
    std::optional<double> powerDbm;    // transmitter power
    std::optional<double> gainDbi;     // antenna gain
    std::optional<double> cableLossDb; // cable and connectors
};

struct BudgetFigures {
    EndBudget end1;
    EndBudget end2;
    std::optional<double> megahertz;     // only a positive one computes
    std::optional<double> sensitivityDb; // magnitude, at the lowest rate (80: -80 dBm)
    std::optional<double> fadeMarginDb;  // magnitude
    std::optional<double> distanceKm;    // the link distance; only a positive one computes
    std::optional<double> extraLossDb;   // the path's diffraction loss; 0 when missing
};

// The end of the link where a level is received (the other end transmits).
enum class ReceivingEnd { End1, End2 };

// The level received at `at` over the link distance, less the path's extra
// loss: EIRP(other) + G(at) - L(at) - FSL(d) - extra, dBm.
std::optional<double> receivedDbm(const BudgetFigures& link, ReceivingEnd at);

// The greatest distance (km) at which `at` still receives `sensitivityDbm`
// with the fade margin to spare, in free space: where the free-space loss is
// EIRP(other) + G(at) - L(at) - sensitivity - |fade margin|.
std::optional<double> greatestDistanceKm(const BudgetFigures& link, ReceivingEnd at,
                                         double sensitivityDbm);

// A number typed into a field that may stay empty: missing when the text is
// empty or blank; `unreadable` (and missing) when it does not read under the
// number rule (toDouble).
struct TypedNumber {
    std::optional<double> value;
    bool unreadable = false;
};
TypedNumber readTyped(std::string_view text, const NumberLocale& locale);

} // namespace tarvanel
