#pragma once

#include "number_locale.h"

#include <ostream>
#include <string>
#include <string_view>

namespace tarvanel::test {

// The decimal rules of the locales the calculator is tested in.
struct NamedLocale {
    const char* name;
    NumberLocale locale;
};

inline void PrintTo(const NamedLocale& named, std::ostream* out) {
    *out << named.name;
}

inline const NamedLocale kEnUs{"en_US", {".", "-", "+", "e"}};
inline const NamedLocale kElGr{"el_GR", {",", "-", "+", "e"}};
inline const NamedLocale kDeDe{"de_DE", {",", "-", "+", "e"}};

// Writes a number typed with a decimal point as a user of `locale` types it.
inline std::string localized(std::string_view text, const NumberLocale& locale) {
    std::string out;
    for (char c : text) {
        if (c == '.')
            out += locale.decimal;
        else
            out += c;
    }
    return out;
}

} // namespace tarvanel::test
