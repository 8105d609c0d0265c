#pragma once

#include "band/band.h"
#include "engine/data_rates.h"
#include "engine/link_budget.h"
#include "engine/path_figures.h"

#include <string>
#include <vector>

namespace tarvanel {

// The rate table's inputs and what the radios show while aiming.
struct RateFields {
    RateSet standard = RateSet::Dot11nOneStream;
    // A datasheet's sensitivity or a lower power typed for a rate, by the
    // rate's row (its place in the standard's table); rows not typed are empty.
    std::vector<RateOverride> overrides;
    std::string measured1;  // dBm, the level the radio at end 1 shows
    std::string measured2;
    std::string beamwidth1; // degrees, the antenna's half-power beamwidth
    std::string beamwidth2;

    bool operator==(const RateFields&) const = default;
};

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
    RateFields rates;
    // The band (band/band.h), the channel's width and whether the radios
    // control their transmit power (TPC), which sets some sub-bands' limits.
    Band band = Band::GHz2_4;
    ChannelWidth width = ChannelWidth::MHz20;
    bool tpc = true;

    bool operator==(const LinkInputs&) const = default;
};

} // namespace tarvanel
