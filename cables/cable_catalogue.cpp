#include "cables/cable_catalogue.h"

#include "numbers/number_text.h"

#include <cmath>

namespace tarvanel {

float list_selection(int row) {
    if (row < 0 || row >= static_cast<int>(kCableCatalogue.size())) return 0.0f;
    return kCableCatalogue[static_cast<std::size_t>(row)].lossPer100m;
}

std::string lossPerMetreText(float lossPer100m, const NumberLocale& locale,
                             std::optional<double> atMHz) {
    if (!atMHz) {
        const auto perMetre = static_cast<float>(static_cast<double>(lossPer100m) / 100.0);
        return formatGeneral(perMetre, locale);
    }
    const double scaled = lossPer100m / 100.0 * std::sqrt(*atMHz / kCableCatalogueMHz);
    const auto fourDecimals = static_cast<float>(std::round(scaled * 1e4) / 1e4);
    if (!std::isfinite(fourDecimals)) return lossPerMetreText(lossPer100m, locale);
    return formatGeneral(fourDecimals, locale);
}

std::optional<double> catalogueScaling(const LinkInputs& inputs, const NumberLocale& locale) {
    const Outcome<double> megahertz = toDouble(inputs.link.frequency, locale);
    if (!megahertz.ok() || !(megahertz.value > 0) || !std::isfinite(megahertz.value))
        return std::nullopt;
    if (bandAt(megahertz.value) == bandAt(kCableCatalogueMHz)) return std::nullopt;
    return megahertz.value;
}

} // namespace tarvanel
