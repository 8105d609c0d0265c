#pragma once

#include "engine/link_budget.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <string_view>

namespace tarvanel::test {

// The number rules of the locales the calculator is tested in: a decimal
// point, a decimal comma, and a comma with a minus sign longer than one byte.
struct NamedLocale {
    const char* name;
    NumberLocale locale;
};

inline void PrintTo(const NamedLocale& named, std::ostream* out) {
    *out << named.name;
}

inline const NamedLocale kEnUs{"en_US", {".", "-", "+", "e"}};
inline const NamedLocale kElGr{"el_GR", {",", "-", "+", "e"}};
// As Qt reports it: U+2212 minus and "×10^" as the exponent mark.
inline const NamedLocale kSvSe{"sv_SE", {",", "\u2212", "+", "\u00d710^"}};
inline const std::array<NamedLocale, 3> kLocales{kEnUs, kElGr, kSvSe};

template <typename Case> using LocaleTest = ::testing::TestWithParam<std::tuple<NamedLocale, Case>>;
// Runs a LocaleTest on every case in every locale.
#define TARVANEL_IN_EVERY_LOCALE(prefix, suite, cases)                                             \
    INSTANTIATE_TEST_SUITE_P(prefix, suite,                                                        \
                             ::testing::Combine(::testing::ValuesIn(::tarvanel::test::kLocales),   \
                                                ::testing::ValuesIn(cases)))

constexpr auto kDbm = PowerUnit::dBm, kMw = PowerUnit::mW;
constexpr auto kNotNumeric = EngineError::NotNumeric, kOverflow = EngineError::Overflow;
constexpr auto kInvalid = EngineError::InvalidOperation, kOk = EngineError::None;

// A text written with "." and a leading "-" as a user of `locale` types it.
inline std::string localized(std::string_view text, const NumberLocale& locale) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '.')
            out += locale.decimal;
        else if (text[i] == '-' && i == 0)
            out += locale.minus;
        else
            out += text[i];
    }
    return out;
}

// The example link: 2427 MHz; both ends 20 dBm, 15 dBi, 10 m of cable with two
// connectors, 0.22 and 0.10 dB/m; sensitivity 80, margin 10.
inline LinkFields exampleLink(const NumberLocale& locale) {
    return {{"20", PowerUnit::dBm, "15", localized("0.22", locale), "10", "2"},
            {"20", PowerUnit::dBm, "15", localized("0.10", locale), "10", "2"},
            "2427",
            "80",
            "10"};
}

} // namespace tarvanel::test
