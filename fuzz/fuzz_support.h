#pragma once

// What the fuzz targets share: the locales every input is tried under, a check
// that stops the run with a readable message, and the shape of a result text.

#include "number_locale.h"

#include <array>
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
    {"de_DE", {",", "-", "+", "E"}},
    {"sv_SE", {",", "\u2212", "+", "\u00d710^"}},
    {"fa_IR", {"\u066b", "\u200e\u2212", "\u200e+", "\u00d7\u06f1\u06f0^"}},
}};

// Stops the run (libFuzzer keeps the input) when an invariant does not hold.
inline void check(bool holds, const char* what, std::string_view input, const char* locale) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken (%s): %s\ninput: \"", locale, what);
    for (unsigned char c : input) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            std::fputc(c, stderr);
        else
            std::fprintf(stderr, "\\x%02x", c);
    }
    std::fputs("\"\n", stderr);
    std::abort();
}

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
    data = newline == std::string_view::npos ? std::string_view() : data.substr(newline + 1);
    for (std::size_t i = 0; i < textCount; ++i) {
        newline = i + 1 == textCount ? std::string_view::npos : data.find('\n');
        split.texts.emplace_back(data.substr(0, newline));
        data = newline == std::string_view::npos ? std::string_view() : data.substr(newline + 1);
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
