#pragma once

// What the fuzz targets share: the locales every input is tried under, a check
// that stops the run with a readable message, and the shape of a result text.

#include "numbers/number_locale.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace tarvanel::fuzz {

struct FuzzLocale {
    const char* name;
    NumberLocale locale;
};

// A decimal point, a decimal comma, and locales whose signs, separator and
// exponent mark are longer than one byte (as Qt reports them for sv_SE and
// fa_IR: U+2212 minus, "×10^", U+066B separator, a left-to-right mark).
inline const std::array<FuzzLocale, 4> kLocales{{
    {"en_US", {".", "-", "+", "E"}},
    {"el_GR", {",", "-", "+", "E"}},
    {"sv_SE", {",", "\u2212", "+", "\u00d710^"}},
    {"fa_IR", {"\u066b", "\u200e\u2212", "\u200e+", "\u00d7\u06f1\u06f0^"}},
}};

// The locale being checked, for the report of a broken invariant.
inline const char* currentLocale = "-";

// Stops the run when an invariant does not hold; libFuzzer keeps the input.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken (%s): %s\n", currentLocale, what);
    std::abort();
}
#define FUZZ_CHECK(condition) ::tarvanel::fuzz::check((condition), #condition)

// The fuzz input's first line picks options (one byte each), the rest holds
// one text per line, the last taking the rest: "01\n20\n15\n..." in the corpus.
inline std::vector<std::string> splitLines(std::string_view data, std::size_t textCount) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i <= textCount; ++i) {
        const std::size_t newline = i == textCount ? data.npos : data.find('\n');
        lines.emplace_back(data.substr(0, newline));
        data = newline == data.npos ? std::string_view() : data.substr(newline + 1);
    }
    return lines;
}

inline std::size_t option(const std::vector<std::string>& lines, std::size_t index,
                          std::size_t choices) {
    return index < lines[0].size() ? static_cast<unsigned char>(lines[0][index]) % choices : 0;
}

// "-?\d+<separator>\d{decimals}<suffix>", the minus being the locale's.
inline bool isResultText(std::string_view text, int decimals, std::string_view suffix,
                         const NumberLocale& locale) {
    if (text.starts_with(locale.minus)) text.remove_prefix(locale.minus.size());
    std::size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])))
        ++digits;
    if (digits == 0 || !text.substr(digits).starts_with(locale.decimal)) return false;
    text.remove_prefix(digits + locale.decimal.size());
    for (int i = 0; i < decimals; ++i, text.remove_prefix(1))
        if (text.empty() || !std::isdigit(static_cast<unsigned char>(text.front()))) return false;
    return text == suffix;
}

} // namespace tarvanel::fuzz
