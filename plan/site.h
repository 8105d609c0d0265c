#pragma once

#include "engine/link_budget.h"

#include <string>

namespace tarvanel {

// A site's number in its plan: given when the site is added, never reused.
using SiteId = int;

// A place where an antenna stands, and the radio and antenna there, as the
// user typed them: the same site is an end of every link it stands in.
struct Site {
    SiteId id = 0;
    std::string name;
    std::string position;    // "37.97552, 23.73484", any form the positions read
    std::string ground;      // m above sea level; empty reads as 0
    std::string mast;        // m above that ground
    LinkEndFields radio;     // transmitter power and unit, antenna gain, cable
    std::string sensitivity; // the receiver's, dBm (its magnitude counts)

    bool operator==(const Site&) const = default;
};

} // namespace tarvanel
