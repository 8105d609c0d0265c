#include "texts/band_texts.h"

#include <array>
#include <charconv>

namespace tarvanel {

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

std::string cableLossTip(Band band) {
    return "Απώλειες του καλωδίου ανά μέτρο στα " + std::string(bandTable(band).name) + ", σε dB/m";
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

std::string rateStandardTip(Band band) {
    const RateStandard& first = rateStandard(standardsOf(band).front());
    return "Οι ρυθμοί του προτύπου (" + std::string(first.name) + " σε " +
           std::to_string(widthMHz(bandTable(band).widths.front())) + " MHz)";
}

} // namespace tarvanel
