#include "band/band_tables.h"

#include <array>

namespace tarvanel::bands {

namespace {

// Channels 1-13, 2412-2472 MHz, 20 MHz wide.
constexpr std::array kChannels{ChannelRun{1, 13, 1}};
constexpr std::array kWidths{ChannelWidth::MHz20};
// The whole band at 20 dBm EIRP (ETSI EN 300 328).
constexpr std::array kRules{SubBandRule{2400, 2483.5, 20.0f, 20.0f}};
constexpr std::array kStandards{RateSet::Dot11nOneStream, RateSet::Dot11nTwoStreams,
                                RateSet::Dot11g};

constexpr BandTable kBand{Band::GHz2_4, "2,4 GHz", "2.4 GHz", 2407,
                          kChannels,    kWidths,   kRules,    kStandards};

} // namespace

const BandTable& band2_4GHz() {
    return kBand;
}

} // namespace tarvanel::bands
