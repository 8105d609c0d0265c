#include "band/band_tables.h"

#include <array>

namespace tarvanel::bands {

namespace {

// IEEE 802.11, 800 ns guard interval, the minimum input sensitivities: OFDM
// for 802.11a and ERP-OFDM for 802.11g (the same steps), HT for 802.11n, VHT
// for 802.11ac (MCS9 only where one or two streams have it).
constexpr std::array<RateStep, 8> kOfdm{
    {{6, -82}, {9, -81}, {12, -79}, {18, -77}, {24, -74}, {36, -70}, {48, -66}, {54, -65}}};
constexpr std::array<RateStep, 8> kHt20{
    {{6.5, -82}, {13, -79}, {19.5, -77}, {26, -74}, {39, -70}, {52, -66}, {58.5, -65}, {65, -64}}};
constexpr std::array<RateStep, 8> kHt40{{{13.5, -79},
                                         {27, -76},
                                         {40.5, -74},
                                         {54, -71},
                                         {81, -67},
                                         {108, -63},
                                         {121.5, -62},
                                         {135, -61}}};
// VHT's MCS0-7 are HT's; 802.11ac adds MCS8 at 20 MHz and MCS8-9 at 40 MHz.
template <std::size_t N, std::size_t M>
constexpr std::array<RateStep, N + M> extended(const std::array<RateStep, N>& steps,
                                               const std::array<RateStep, M>& more) {
    std::array<RateStep, N + M> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = steps[i];
    for (std::size_t i = 0; i < M; ++i)
        all[N + i] = more[i];
    return all;
}
constexpr auto kVht20 = extended(kHt20, std::array<RateStep, 1>{{{78, -59}}});
constexpr auto kVht40 = extended(kHt40, std::array<RateStep, 2>{{{162, -56}, {180, -54}}});
constexpr std::array<RateStep, 10> kVht80{{{29.25, -76},
                                           {58.5, -73},
                                           {87.75, -71},
                                           {117, -68},
                                           {175.5, -64},
                                           {234, -60},
                                           {263.25, -59},
                                           {292.5, -58},
                                           {351, -53},
                                           {390, -51}}};
constexpr std::span<const RateStep> kNone;

constexpr std::array kStandards{
    RateStandard{RateSet::Dot11g, "802.11g", "802.11g", 1, std::nullopt, kOfdm, kNone, kNone},
    RateStandard{RateSet::Dot11nOneStream, "802.11n", "802.11n-1ss", 1, 8, kHt20, kHt40, kNone},
    RateStandard{RateSet::Dot11nTwoStreams, "802.11n", "802.11n-2ss", 2, 8, kHt20, kHt40, kNone},
    RateStandard{RateSet::Dot11a, "802.11a", "802.11a", 1, std::nullopt, kOfdm, kNone, kNone},
    RateStandard{RateSet::Dot11acOneStream, "802.11ac", "802.11ac-1ss", 1, 0, kVht20, kVht40,
                 kVht80},
    RateStandard{RateSet::Dot11acTwoStreams, "802.11ac", "802.11ac-2ss", 2, 0, kVht20, kVht40,
                 kVht80},
};

} // namespace

std::span<const RateStandard> rateStandards() {
    return kStandards;
}

} // namespace tarvanel::bands
