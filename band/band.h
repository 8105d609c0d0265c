#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tarvanel {

// The radio bands a link can use.
enum class Band { GHz2_4 };

// How wide a channel is.
enum class ChannelWidth { MHz20 };
int widthMHz(ChannelWidth width);

// The rate standards; which of them a band offers, at which widths, is the
// band's data.
enum class RateSet { Dot11g, Dot11nOneStream, Dot11nTwoStreams };

// The catalogue's cable losses are measured at this frequency, MHz.
inline constexpr double kCableCatalogueMHz = 2437;

// The legal rule of one sub-band: the greatest EIRP allowed, and when.
struct SubBandRule {
    double lowMHz;
    double highMHz;
    // Single precision, as the EIRP it is compared with.
    float limitDbm;
};

// A rate and the receiver's minimum input sensitivity the standard sets for
// it, dBm.
struct RateStep {
    double megabits;
    double minimumDbm;
};

// A standard's rates: one table per width it has (empty where it has none),
// each slowest first for one spatial stream; `streams` streams carry as many
// times the rates at the same sensitivities.
struct RateStandard {
    RateSet set;
    std::string_view name; // "802.11n"
    std::string_view key;  // its label in a plan file, "802.11n-1ss" (a literal)
    int streams = 1;
    // The first MCS index of a stream's rates (802.11n's two streams are
    // MCS8-15); none for a standard whose rates have no index (802.11g).
    std::optional<int> mcsPerStream;
    std::span<const RateStep> at20MHz;
};

// A run of channel numbers, `step` apart.
struct ChannelRun {
    int first;
    int last;
    int step;
};

// One band: its channels, their centres, its legal rules and its standards.
struct BandTable {
    Band band;
    std::string_view name; // as the user reads it, "2,4 GHz"
    // Channel n is centred at baseMHz + 5 n.
    int baseMHz;
    std::span<const ChannelRun> channels; // their numbers at 20 MHz
    std::span<const ChannelWidth> widths;
    std::span<const SubBandRule> rules; // by frequency, lowest first
    std::span<const RateSet> standards; // in the order they are offered
};

// Every band, lowest first, and one band's table.
std::span<const Band> allBands();
const BandTable& bandTable(Band band);

// The channel numbers of a band, in order.
std::vector<int> channelsOf(Band band);

// The sub-band whose rule holds at `megahertz` (its edges included; a
// frequency on an edge between two belongs to the lower), or none.
const SubBandRule* subBandAt(double megahertz);

// The rule in force for a link of `band` at `megahertz` (none when it does
// not read): the sub-band's where the frequency falls in one; elsewhere, the
// band's own rule when it has one for all its channels, else none.
const SubBandRule* legalRuleOf(Band band, std::optional<double> megahertz);

// The greatest EIRP the rule allows, dBm.
float legalLimitDbm(const SubBandRule& rule);

// Every standard's data, and one standard's (every RateSet has one).
std::span<const RateStandard> rateStandards();
const RateStandard& rateStandard(RateSet set);
// The standards a band offers, in order.
std::span<const RateSet> standardsOf(Band band);
// The rates of a standard at a width (empty when it has none there).
std::span<const RateStep> ratesAt(const RateStandard& standard, ChannelWidth width);

} // namespace tarvanel
