#include "band/band.h"

#include "band/band_tables.h"

#include <algorithm>
#include <array>

namespace tarvanel {

namespace {

constexpr std::array kBands{Band::GHz2_4, Band::GHz5};

const std::array<const BandTable*, kBands.size()>& tables() {
    static const std::array<const BandTable*, kBands.size()> tables{&bands::band2_4GHz(),
                                                                    &bands::band5GHz()};
    return tables;
}

// The sub-band that holds the whole channel, or none.
const SubBandRule* holding(const BandTable& table, double centreMHz, ChannelWidth width) {
    const double half = widthMHz(width) / 2.0;
    for (const SubBandRule& rule : table.rules)
        if (rule.lowMHz <= centreMHz - half && centreMHz + half <= rule.highMHz) return &rule;
    return nullptr;
}

} // namespace

int widthMHz(ChannelWidth width) {
    switch (width) {
    case ChannelWidth::MHz40:
        return 40;
    case ChannelWidth::MHz80:
        return 80;
    case ChannelWidth::MHz20:
        break;
    }
    return 20;
}

std::span<const Band> allBands() {
    return kBands;
}

const BandTable& bandTable(Band band) {
    for (const BandTable* table : tables())
        if (table->band == band) return *table;
    return *tables().front();
}

std::optional<Band> bandAt(double megahertz) {
    for (const BandTable* table : tables())
        if (table->rules.front().lowMHz <= megahertz && megahertz <= table->rules.back().highMHz)
            return table->band;
    return std::nullopt;
}

double channelCentreMHz(Band band, int channel) {
    return bandTable(band).baseMHz + 5.0 * channel;
}

std::vector<int> channelsOf(Band band, ChannelWidth width) {
    const BandTable& table = bandTable(band);
    const int bonded = widthMHz(width) / 20; // neighbours at 20 MHz
    std::vector<int> channels;
    for (const ChannelRun& run : table.channels) {
        for (int first = run.first; first + (bonded - 1) * run.step <= run.last;
             first += bonded * run.step) {
            // The centre of the bonded channels, in channel numbers.
            const int centre = first + (bonded - 1) * run.step / 2;
            if (holding(table, channelCentreMHz(band, centre), width)) channels.push_back(centre);
        }
    }
    return channels;
}

ChannelWidth widthIn(Band band, ChannelWidth width) {
    const auto widths = bandTable(band).widths;
    return std::ranges::find(widths, width) != widths.end() ? width : widths.front();
}

const SubBandRule* subBandAt(double megahertz) {
    for (const BandTable* table : tables())
        for (const SubBandRule& rule : table->rules)
            if (rule.lowMHz <= megahertz && megahertz <= rule.highMHz) return &rule;
    return nullptr;
}

const SubBandRule* legalRuleOf(Band band, std::optional<double> megahertz) {
    if (megahertz)
        if (const SubBandRule* rule = subBandAt(*megahertz)) return rule;
    const auto rules = bandTable(band).rules;
    return rules.size() == 1 ? &rules.front() : nullptr;
}

float legalLimitDbm(const SubBandRule& rule, bool tpc) {
    return tpc ? rule.limitDbm : rule.limitWithoutTpcDbm;
}

bool coversWeatherRadars(const SubBandRule& rule, double megahertz, ChannelWidth width) {
    const double half = widthMHz(width) / 2.0;
    return rule.radarHighMHz > rule.radarLowMHz && megahertz - half < rule.radarHighMHz &&
           rule.radarLowMHz < megahertz + half;
}

std::span<const RateStandard> rateStandards() {
    return bands::rateStandards();
}

const RateStandard& rateStandard(RateSet set) {
    const auto standards = rateStandards();
    const auto found = std::ranges::find(standards, set, &RateStandard::set);
    return found == standards.end() ? standards.front() : *found;
}

std::span<const RateStep> ratesAt(const RateStandard& standard, ChannelWidth width) {
    switch (width) {
    case ChannelWidth::MHz40:
        return standard.at40MHz;
    case ChannelWidth::MHz80:
        return standard.at80MHz;
    case ChannelWidth::MHz20:
        break;
    }
    return standard.at20MHz;
}

std::vector<RateSet> standardsOf(Band band, ChannelWidth width) {
    std::vector<RateSet> offered;
    for (RateSet set : bandTable(band).standards)
        if (!ratesAt(rateStandard(set), width).empty()) offered.push_back(set);
    return offered;
}

RateSet standardIn(Band band, ChannelWidth width, RateSet chosen) {
    const std::vector<RateSet> offered = standardsOf(band, width);
    if (offered.empty()) return chosen;
    if (std::ranges::find(offered, chosen) != offered.end()) return chosen;
    const int streams = rateStandard(chosen).streams;
    const auto alike =
        std::ranges::find(offered, streams, [](RateSet set) { return rateStandard(set).streams; });
    return alike != offered.end() ? *alike : offered.front();
}

} // namespace tarvanel
