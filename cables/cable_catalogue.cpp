#include "cables/cable_catalogue.h"

#include "numbers/number_text.h"

namespace tarvanel {

float list_selection(std::string_view listText) {
    for (const CableType& cable : kCableCatalogue) {
        if (cable.displayText == listText) return cable.lossPer100m;
    }
    return 0.0f;
}

std::string lossPerMetreText(float lossPer100m, const NumberLocale& locale) {
    const auto perMetre = static_cast<float>(static_cast<double>(lossPer100m) / 100.0);
    return formatGeneral(perMetre, locale);
}

} // namespace tarvanel
