#include "engine/earth_factor.h"

namespace tarvanel {

const EarthFactorChoice& earthFactorChoice(EarthFactor factor) {
    for (const EarthFactorChoice& choice : kEarthFactorChoices)
        if (choice.factor == factor) return choice;
    return kEarthFactorChoices.front();
}

EarthFactor earthFactorAt(int index) {
    if (index < 0 || index >= static_cast<int>(kEarthFactorChoices.size()))
        return EarthFactor::Standard;
    return kEarthFactorChoices[static_cast<std::size_t>(index)].factor;
}

} // namespace tarvanel
