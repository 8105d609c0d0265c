#pragma once

#include "engine/link_budget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

namespace tarvanel::test {

// The number rules of the locales the calculator is tested in: a decimal
// point, a decimal comma, and a comma with a minus sign longer than one byte.
struct NamedLocale {
    const char* name;
    NumberLocale locale;
    friend void PrintTo(const NamedLocale& named, std::ostream* out) { *out << named.name; }
};

inline const NamedLocale kEnUs{"en_US", {".", "-", "+", "e"}};
inline const NamedLocale kElGr{"el_GR", {",", "-", "+", "e"}};
// As Qt reports it: U+2212 minus and "×10^" as the exponent mark.
inline const NamedLocale kSvSe{"sv_SE", {",", "\u2212", "+", "\u00d710^"}};
inline const std::array<NamedLocale, 3> kLocales{kEnUs, kElGr, kSvSe};

// A text as a failure shows it: quoted, or when long, the run of one character
// at its middle counted: "0." + 1 MB of 3s.
inline std::string brief(std::string_view text) {
    if (text.size() <= 40) return '"' + std::string(text) + '"';
    const std::size_t middle = text.size() / 2;
    const std::size_t begin = text.find_last_not_of(text[middle], middle) + 1;
    const std::size_t end = std::min(text.find_first_not_of(text[middle], middle), text.size());
    const std::size_t n = end - begin;
    return (begin ? brief(text.substr(0, begin)) + " + " : "") +
           (n % (1 << 20) ? std::to_string(n) : std::to_string(n >> 20) + " MB") + " of " +
           text[middle] + "s" + (end < text.size() ? " + " + brief(text.substr(end)) : "");
}
inline std::string brief(const char* text) {
    return text ? brief(std::string_view(text)) : "none";
}

// What a failure prints of a table row: its name and the given texts.
template <typename Case, typename... Texts>
void printRow(std::ostream* out, const Case& row, const Texts&... texts) {
    *out << row.name;
    ((*out << ' ' << brief(texts)), ...);
}

template <typename Case> using LocaleTest = ::testing::TestWithParam<std::tuple<NamedLocale, Case>>;
// Runs a LocaleTest on every case in every locale, each test named after its
// locale and row: el_GR_mW_below_zero.
#define TARVANEL_IN_EVERY_LOCALE(prefix, suite, cases)                                             \
    INSTANTIATE_TEST_SUITE_P(prefix, suite,                                                        \
                             ::testing::Combine(::testing::ValuesIn(::tarvanel::test::kLocales),   \
                                                ::testing::ValuesIn(cases)),                       \
                             [](const auto& info) {                                                \
                                 return std::string(std::get<0>(info.param).name) + "_" +          \
                                        std::get<1>(info.param).name;                              \
                             })

constexpr auto kDbm = PowerUnit::dBm, kMw = PowerUnit::mW;
constexpr auto kNotNumeric = EngineError::NotNumeric, kOverflow = EngineError::Overflow;
constexpr auto kInvalid = EngineError::InvalidOperation, kOk = EngineError::None;

// A text written with "." and "-" as a user of `locale` types it: every "."
// becomes the separator, a leading "-" (of the text or after a "|") the minus.
inline std::string localized(std::string_view text, const NumberLocale& locale) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool leading = i == 0 || text[i - 1] == '|';
        out += text[i] == '.'              ? locale.decimal
               : text[i] == '-' && leading ? locale.minus
                                           : std::string(1, text[i]);
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

// The fields of the link: end 1, end 2, then the path; Unchanged for none.
enum Field { P1, G1, L1, Len1, C1, P2, G2, L2, Len2, C2, Freq, Sens, Margin, Unchanged };

// The example link with one field's text changed (written with "." and "-").
inline LinkFields exampleLinkWith(Field field, std::string_view text, const NumberLocale& locale) {
    LinkFields link = exampleLink(locale);
    LinkEndFields& e = field < P2 ? link.end1 : link.end2;
    const std::array texts{&e.power,      &e.gain,         &e.lossPerMetre,   &e.length,
                           &e.connectors, &link.frequency, &link.sensitivity, &link.margin};
    if (field != Unchanged)
        *texts[field < Freq ? field % 5 : field - Freq + 5] = localized(text, locale);
    return link;
}

} // namespace tarvanel::test
