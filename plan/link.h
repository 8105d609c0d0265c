#pragma once

#include "band/band.h"
#include "engine/data_rates.h"
#include "engine/earth_factor.h"
#include "engine/path_figures.h"
#include "plan/site.h"

#include <array>
#include <string>
#include <vector>

namespace tarvanel {

// A link's number in its plan: given when the link is added, never reused.
using LinkId = int;

// What the radio at one end of a link shows while its antenna is aimed, and
// that antenna's beamwidth.
struct AimReadings {
    std::string measured;  // dBm, the level the radio shows
    std::string beamwidth; // degrees, the antenna's half-power beamwidth

    bool operator==(const AimReadings&) const = default;
};

// A link between two sites: what belongs to the pair rather than to either
// site, every text as typed. ends[0] transmits in the link's own direction.
struct Link {
    LinkId id = 0;
    std::array<SiteId, 2> ends{};
    std::string frequency; // MHz
    std::string channel;   // the channel box's text
    Band band = Band::GHz2_4;
    ChannelWidth width = ChannelWidth::MHz20;
    bool tpc = true;         // the radios control their transmit power
    std::string fadeMargin;  // dB
    std::string distance;    // km, as typed; the positions' geodesic overrides it
    std::string declination; // degrees east, for the compass bearings
    EarthFactor earthFactor = EarthFactor::Standard;
    std::vector<ProfilePointFields> points; // the ground between, from end 1
    std::string pointsSource;               // a file's name, or empty
    RateSet rateStandard = RateSet::Dot11nOneStream;
    std::vector<RateOverride> rateOverrides; // by rate row
    std::array<AimReadings, 2> readings;     // at ends[0] and ends[1]

    bool operator==(const Link&) const = default;
};

} // namespace tarvanel
