#include "cables/cable_catalogue.h"

#include "numbers/number_text.h"

namespace tarvanel {

float list_selection(int row) {
    if (row < 0 || row >= static_cast<int>(kCableCatalogue.size())) return 0.0f;
    return kCableCatalogue[static_cast<std::size_t>(row)].lossPer100m;
}

std::string lossPerMetreText(float lossPer100m, const NumberLocale& locale) {
    const auto perMetre = static_cast<float>(static_cast<double>(lossPer100m) / 100.0);
    return formatGeneral(perMetre, locale);
}

} // namespace tarvanel
