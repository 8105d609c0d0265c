#pragma once

#include <string>

namespace tarvanel {

// The user's regional number settings, as far as reading and writing numbers
// needs them. The window fills this from QLocale; the engine never asks the
// system itself, so every rule can be exercised with any locale in tests.
// All strings are UTF-8 and may be longer than one byte (e.g. U+2212 minus).
struct NumberLocale {
    std::string decimal = ".";
    std::string minus = "-";
    std::string plus = "+";
    std::string exponent = "e";
};

} // namespace tarvanel
