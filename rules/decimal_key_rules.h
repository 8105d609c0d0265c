#pragma once

#include "numbers/number_locale.h"

#include <string>
#include <string_view>

namespace tarvanel {

// What a cable-length field inserts for a typed character: a typed point
// becomes the user's decimal separator ("," in de_DE and el_GR, "." stays "."
// in en_US); every other character passes unchanged.
std::string decimalKeyText(std::string_view typed, const NumberLocale& locale);

} // namespace tarvanel
