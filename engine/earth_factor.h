#pragma once

#include <array>

namespace tarvanel {

// The effective earth-radius factor k: radio waves bend a little, so the earth
// looks flatter (k > 1) or rounder (k < 1) than it is.
enum class EarthFactor {
    Standard, // 4/3, the standard atmosphere
    Unity,    // 1, the earth as it is
    Low,      // 2/3, the worst case (sub-refraction)
};

// The choices a user has, in the order they are offered, with the label each
// is offered under.
struct EarthFactorChoice {
    EarthFactor factor;
    double value;
    const char* label;
};
inline constexpr std::array<EarthFactorChoice, 3> kEarthFactorChoices{{
    {EarthFactor::Standard, 4.0 / 3.0, "4/3"},
    {EarthFactor::Unity, 1.0, "1"},
    {EarthFactor::Low, 2.0 / 3.0, "2/3"},
}};

const EarthFactorChoice& earthFactorChoice(EarthFactor factor);
inline double earthFactorValue(EarthFactor factor) {
    return earthFactorChoice(factor).value;
}

// The choice offered at `index`; the standard one for an index out of range
// (a list with nothing chosen).
EarthFactor earthFactorAt(int index);

} // namespace tarvanel
