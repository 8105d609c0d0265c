#include "texts/band_texts.h"

#include "engine/link_figures.h"

#include <array>
#include <charconv>

namespace tarvanel {

BandTexts bandTexts(const LinkFigures& figures) {
    BandTexts texts;
    const SubBandRule* rule = figures.bandRule;
    if (!rule) {
        texts.limit = "εκτός υποζωνών";
        texts.outside = true;
        return texts;
    }
    texts.limitDbm = figures.legalLimitDbm;
    texts.limit = shortNumber(*figures.legalLimitDbm) + " dBm";
    std::vector<std::string> words;
    if (rule->indoorsOnly) words.emplace_back("μόνο σε εσωτερικό χώρο");
    if (rule->shortRangeOnly) words.emplace_back("μόνο συσκευές μικρής εμβέλειας");
    if (rule->dfs) words.emplace_back("DFS");
    if (figures.weatherRadars) words.emplace_back("ραντάρ καιρού");
    for (const std::string& word : words)
        texts.conditions += (texts.conditions.empty() ? "" : ", ") + word;
    texts.indoorsOnly = rule->indoorsOnly;
    return texts;
}

std::string shortNumber(double value) {
    std::array<char, 32> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string(digits.data(), written.ptr);
}

std::string bandNames() {
    std::string names;
    for (Band band : allBands())
        names += (names.empty() ? "" : " και ") + std::string(bandTable(band).name);
    return names;
}

std::vector<std::string> bandItems(const LinkInputs&) {
    std::vector<std::string> items;
    for (Band band : allBands())
        items.emplace_back(bandTable(band).name);
    return items;
}

std::vector<std::string> widthItems(const LinkInputs& inputs) {
    std::vector<std::string> items;
    for (ChannelWidth width : bandTable(inputs.band).widths)
        items.push_back(std::to_string(widthMHz(width)) + " MHz");
    return items;
}

std::string cableLossTip(Band band) {
    return "Απώλειες του καλωδίου ανά μέτρο στα " + std::string(bandTable(band).name) + ", σε dB/m";
}

std::string scaledCatalogueTip(std::optional<double> megahertz) {
    if (!megahertz) return {};
    const std::string catalogue = shortNumber(kCableCatalogueMHz);
    return "Οι απώλειες του καταλόγου είναι στα " + catalogue +
           " MHz· γράφονται κλιμακωμένες "
           "για τα " +
           shortNumber(*megahertz) + " MHz, επί √(" + shortNumber(*megahertz) + " / " + catalogue +
           ")";
}

std::string legalLimitTip(float limitDbm) {
    return "Το νόμιμο όριο είναι " + shortNumber(limitDbm) +
           " dBm EIRP, μετρώντας καλώδιο και κεραία";
}

std::string rateStandardName(RateSet set) {
    const RateStandard& standard = rateStandard(set);
    std::string name(standard.name);
    if (standard.streams > 1) name += ", " + std::to_string(standard.streams) + " ροές";
    return name;
}

std::vector<std::string> standardItems(const LinkInputs& inputs) {
    std::vector<std::string> items;
    for (RateSet set : standardsOf(inputs.band, widthIn(inputs.band, inputs.width)))
        items.push_back(rateStandardName(set));
    return items;
}

std::string rateStandardTip() {
    std::string fixed;
    for (Band band : allBands()) {
        const BandTable& table = bandTable(band);
        if (table.widths.size() == 1)
            fixed += (fixed.empty() ? "" : ", ") + std::string(table.name) + ": " +
                     std::to_string(widthMHz(table.widths.front())) + " MHz";
    }
    return "Οι ρυθμοί του προτύπου στο εύρος του καναλιού (" + fixed + ")";
}

std::string tpcTip() {
    std::string raised;
    for (Band band : allBands())
        for (const SubBandRule& rule : bandTable(band).rules)
            if (legalLimitDbm(rule, true) != legalLimitDbm(rule, false))
                raised += (raised.empty() ? "" : ", ") + shortNumber(rule.lowMHz) + "-" +
                          shortNumber(rule.highMHz) +
                          " MHz: " + shortNumber(legalLimitDbm(rule, true)) + " αντί " +
                          shortNumber(legalLimitDbm(rule, false)) + " dBm";
    return "Έλεγχος ισχύος εκπομπής (TPC): με αυτόν το όριο EIRP είναι υψηλότερο (" + raised + ")";
}

} // namespace tarvanel
