#include "band/band.h"

#include "band/band_tables.h"

#include <algorithm>
#include <array>

namespace tarvanel {

namespace {

constexpr std::array kBands{Band::GHz2_4};

const std::array<const BandTable*, kBands.size()>& tables() {
    static const std::array<const BandTable*, kBands.size()> tables{&bands::band2_4GHz()};
    return tables;
}

} // namespace

int widthMHz(ChannelWidth) {
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

std::vector<int> channelsOf(Band band) {
    std::vector<int> channels;
    for (const ChannelRun& run : bandTable(band).channels)
        for (int n = run.first; n <= run.last; n += run.step)
            channels.push_back(n);
    return channels;
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

float legalLimitDbm(const SubBandRule& rule) {
    return rule.limitDbm;
}

std::span<const RateStandard> rateStandards() {
    return bands::rateStandards();
}

const RateStandard& rateStandard(RateSet set) {
    const auto standards = rateStandards();
    const auto found = std::ranges::find(standards, set, &RateStandard::set);
    return found == standards.end() ? standards.front() : *found;
}

std::span<const RateSet> standardsOf(Band band) {
    return bandTable(band).standards;
}

std::span<const RateStep> ratesAt(const RateStandard& standard, ChannelWidth) {
    return standard.at20MHz;
}

} // namespace tarvanel
