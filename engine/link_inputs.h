#pragma once

#include "engine/link_budget.h"
#include "engine/path_figures.h"

#include <string>

namespace tarvanel {

// Everything the user has entered, as the user left it: the texts of every
// field (never reformatted), both power units, the channel, the link distance,
// the path's inputs and k. The window fills it in one place; the figures, the
// summary and whatever keeps or reports a link start from it.
struct LinkInputs {
    LinkFields link;          // the 13 fields of the link and both power units
    std::string channel;      // the channel box's text; only the frequency counts
    std::string linkDistance; // km, as typed
    // Where the ends stand ("37.97552, 23.73484", "37°58'31.9"N 23°44'05.4"E")
    // and the local magnetic declination (degrees, east positive).
    std::string position1;
    std::string position2;
    std::string declination;
    PathFields path;

    bool operator==(const LinkInputs&) const = default;
};

} // namespace tarvanel
