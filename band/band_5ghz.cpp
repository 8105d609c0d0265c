#include "band/band_tables.h"

#include <array>

namespace tarvanel::bands {

namespace {

// The 20 MHz channels of the three runs; 144 and 177 are kept out by the
// sub-bands' edges, not here.
constexpr std::array kChannels{ChannelRun{36, 64, 4}, ChannelRun{100, 144, 4},
                               ChannelRun{149, 177, 4}};
constexpr std::array kWidths{ChannelWidth::MHz20, ChannelWidth::MHz40, ChannelWidth::MHz80};
// Greece: ETSI EN 301 893 (RLAN, 5150-5725 MHz) and EN 300 440 (short-range
// devices, 5725-5875 MHz) as the national frequency allocation table takes them.
constexpr std::array kRules{
    SubBandRule{5150, 5250, 23.0f, 23.0f, true},
    SubBandRule{5250, 5350, 23.0f, 20.0f, true, true},
    SubBandRule{5470, 5725, 30.0f, 27.0f, false, true, 5600, 5650},
    SubBandRule{5725, 5875, 14.0f, 14.0f, false, false, 0, 0, true},
};
constexpr std::array kStandards{RateSet::Dot11acOneStream, RateSet::Dot11acTwoStreams,
                                RateSet::Dot11nOneStream, RateSet::Dot11nTwoStreams,
                                RateSet::Dot11a};

constexpr BandTable kBand{Band::GHz5, "5 GHz", "5 GHz", 5000,
                          kChannels,  kWidths, kRules,  kStandards};

} // namespace

const BandTable& band5GHz() {
    return kBand;
}

} // namespace tarvanel::bands
