#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tarvanel {

// The radio bands a link can use.
enum class Band { GHz2_4, GHz5 };

// How wide a channel is.
enum class ChannelWidth { MHz20, MHz40, MHz80 };
int widthMHz(ChannelWidth width);

// The rate standards; which of them a band offers, at which widths, is the
// band's data.
enum class RateSet {
    Dot11g,
    Dot11nOneStream,
    Dot11nTwoStreams,
    Dot11a,
    Dot11acOneStream,
    Dot11acTwoStreams,
};

// The catalogue's cable losses are measured at this frequency, MHz.
inline constexpr double kCableCatalogueMHz = 2437;

// The legal rule of one sub-band: the greatest EIRP allowed, and when. The
// limits are single precision, as the EIRP they are compared with.
struct SubBandRule {
    double lowMHz;
    double highMHz;
    float limitDbm;           // with transmit power control (TPC)
    float limitWithoutTpcDbm; // the same where TPC changes nothing
    bool indoorsOnly = false;
    bool dfs = false; // the radio must listen for radars before it sends
    // Weather radars here: a channel over them waits longer before it sends.
    double radarLowMHz = 0;
    double radarHighMHz = 0;
    bool shortRangeOnly = false; // short-range devices only
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
    // How far apart the MCS indices of two streams' rates are (802.11n's two
    // streams are MCS8-15; 802.11ac counts each stream from MCS0 again); none
    // for a standard whose rates have no index (802.11g).
    std::optional<int> mcsPerStream;
    std::span<const RateStep> at20MHz;
    std::span<const RateStep> at40MHz;
    std::span<const RateStep> at80MHz;
};

// A run of channel numbers at 20 MHz, `step` apart.
struct ChannelRun {
    int first;
    int last;
    int step;
};

// One band: its channels, their centres, its legal rules and its standards.
struct BandTable {
    Band band;
    std::string_view name; // as the user reads it, "2,4 GHz"
    std::string_view key;  // its label in a plan file, "2.4 GHz" (a literal)
    // Channel n is centred at baseMHz + 5 n.
    int baseMHz;
    // A wider channel bonds 2 or 4 neighbours of a run, counted from the
    // run's first; it is offered only where it lies inside one sub-band.
    std::span<const ChannelRun> channels;
    std::span<const ChannelWidth> widths;
    std::span<const SubBandRule> rules; // by frequency, lowest first
    std::span<const RateSet> standards; // in the order they are offered
};

// Every band, lowest first, and one band's table.
std::span<const Band> allBands();
const BandTable& bandTable(Band band);

// The band whose sub-bands span `megahertz`, edges included, or none.
std::optional<Band> bandAt(double megahertz);

// The centre frequency of a band's channel n, MHz.
double channelCentreMHz(Band band, int channel);

// The channels a band offers at a width, in order: at 5 GHz and 20 MHz 36-64,
// 100-140 and 149-173 (144 would cross 5725 MHz); at 40 MHz 38, 46, 54, 62,
// 102 ... 134, 151, 159, 167; at 80 MHz 42, 58, 106, 122, 155.
std::vector<int> channelsOf(Band band, ChannelWidth width = ChannelWidth::MHz20);

// The width in force: the one chosen when the band has it, else its first.
ChannelWidth widthIn(Band band, ChannelWidth width);

// The sub-band whose rule holds at `megahertz` (its edges included; a
// frequency on an edge between two belongs to the lower), or none.
const SubBandRule* subBandAt(double megahertz);

// The rule in force for a link of `band` at `megahertz` (none when it does
// not read): the sub-band's where the frequency falls in one; elsewhere, the
// band's own rule when it has one for all its channels, else none.
const SubBandRule* legalRuleOf(Band band, std::optional<double> megahertz);

// The greatest EIRP the rule allows, dBm: with TPC its first figure, without
// its second (5470-5725 MHz: 30 dBm, 27 dBm).
float legalLimitDbm(const SubBandRule& rule, bool tpc = true);

// Whether a channel of `width` centred at `megahertz` covers weather radars.
bool coversWeatherRadars(const SubBandRule& rule, double megahertz, ChannelWidth width);

// Every standard's data, and one standard's (every RateSet has one).
std::span<const RateStandard> rateStandards();
const RateStandard& rateStandard(RateSet set);
// The rates of a standard at a width (empty when it has none there).
std::span<const RateStep> ratesAt(const RateStandard& standard, ChannelWidth width);
// The standards a band offers at a width, in order.
std::vector<RateSet> standardsOf(Band band, ChannelWidth width = ChannelWidth::MHz20);
// The standard in force: the one chosen while the band offers it at the
// width, else the first offered with as many streams, else the first.
RateSet standardIn(Band band, ChannelWidth width, RateSet chosen);

} // namespace tarvanel
