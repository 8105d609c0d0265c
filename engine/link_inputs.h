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
    std::string linkDistance; // km
    PathFields path;

    bool operator==(const LinkInputs&) const = default;
};

} // namespace tarvanel
