#pragma once

// What the fuzz targets share: the locales every input is tried under, a check
// that stops the run with a readable message, and the shape of a result text.

#include "number_locale.h"

#include <algorithm>
#include <array>
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

// The input and locale being checked, for the report of a broken invariant.
inline std::string_view currentInput;
inline const char* currentLocale = "-";

// The fuzz input as text, which the checks report.
inline std::string_view inputText(const std::uint8_t* data, std::size_t size) {
    currentInput = {reinterpret_cast<const char*>(data), size};
    return currentInput;
}

// Stops the run when an invariant does not hold; libFuzzer keeps the input
// that broke it, and the report shows its first bytes.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken (%s): %s\ninput: %.*s\n", currentLocale, what,
                 static_cast<int>(std::min<std::size_t>(currentInput.size(), 200)),
                 currentInput.data());
    std::abort();
}
#define FUZZ_CHECK(condition) ::tarvanel::fuzz::check((condition), #condition)

// The fuzz input's first line picks options (one byte each), the rest holds
// one text per line: "01\n20\n15\n..." is readable in the corpus.
struct SplitInput {
    std::string options;
    std::vector<std::string> texts;
};

inline SplitInput splitLines(std::string_view data, std::size_t textCount) {
    SplitInput split;
    std::size_t newline = data.find('\n');
    split.options = std::string(data.substr(0, newline));
    for (std::size_t i = 0; i < textCount; ++i) {
        data = newline == std::string_view::npos ? std::string_view() : data.substr(newline + 1);
        newline = i + 1 == textCount ? std::string_view::npos : data.find('\n');
        split.texts.emplace_back(data.substr(0, newline));
    }
    return split;
}

inline int option(const SplitInput& split, std::size_t index, int choices) {
    if (index >= split.options.size()) return 0;
    return static_cast<unsigned char>(split.options[index]) % choices;
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "-?\d+<separator>\d{decimals}<suffix>", the minus being the locale's.
inline bool isResultText(std::string_view text, int decimals, std::string_view suffix,
                         const NumberLocale& locale) {
    if (text.starts_with(locale.minus)) text.remove_prefix(locale.minus.size());
    std::size_t integerDigits = 0;
    while (integerDigits < text.size() && isDigit(text[integerDigits]))
        ++integerDigits;
    if (integerDigits == 0) return false;
    text.remove_prefix(integerDigits);
    if (!text.starts_with(locale.decimal)) return false;
    text.remove_prefix(locale.decimal.size());
    for (int i = 0; i < decimals; ++i) {
        if (text.empty() || !isDigit(text.front())) return false;
        text.remove_prefix(1);
    }
    return text == suffix;
}

} // namespace tarvanel::fuzz
