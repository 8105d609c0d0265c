#include "band/band_tables.h"

#include <array>

namespace tarvanel::bands {

namespace {

// IEEE 802.11: ERP-OFDM for 802.11g, HT for 802.11n (800 ns guard interval).
constexpr std::array<RateStep, 8> kOfdm{
    {{6, -82}, {9, -81}, {12, -79}, {18, -77}, {24, -74}, {36, -70}, {48, -66}, {54, -65}}};
constexpr std::array<RateStep, 8> kHt20{
    {{6.5, -82}, {13, -79}, {19.5, -77}, {26, -74}, {39, -70}, {52, -66}, {58.5, -65}, {65, -64}}};

constexpr std::array kStandards{
    RateStandard{RateSet::Dot11g, "802.11g", "802.11g", 1, std::nullopt, kOfdm},
    RateStandard{RateSet::Dot11nOneStream, "802.11n", "802.11n-1ss", 1, 8, kHt20},
    RateStandard{RateSet::Dot11nTwoStreams, "802.11n", "802.11n-2ss", 2, 8, kHt20},
};

} // namespace

std::span<const RateStandard> rateStandards() {
    return kStandards;
}

} // namespace tarvanel::bands
