#pragma once

#include "numbers/number_locale.h"
#include "numbers/outcome.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvanel {

// Reading numbers typed by the user.
//
// A text is numeric when, after surrounding blanks (space, tab), it is an
// optional sign (ASCII or the locale's), digits with at most one decimal mark
// (at least one digit in all), and an optional exponent ("e" or "E", optional
// sign, digits). The decimal mark is a point, a comma or the locale's own
// separator, in every locale: datasheets write "0.22" whatever the user's
// settings. Nothing else counts: a second mark, no digit grouping ("1.234,5"
// is not a number), no currency, no "inf"/"nan", no hexadecimal, no non-ASCII
// digits.
bool isNumeric(std::string_view text, const NumberLocale& locale);

// Nearest single-precision value. NotNumeric or Overflow; a value too small for
// single precision reads as the nearest subnormal or as a signed zero.
Outcome<float> toSingle(std::string_view text, const NumberLocale& locale);

// Nearest double-precision value; same rules as toSingle.
Outcome<double> toDouble(std::string_view text, const NumberLocale& locale);

// 16-bit signed integer: nearest integer, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4); Overflow outside -32768..32767.
Outcome<std::int16_t> toInt16(std::string_view text, const NumberLocale& locale);

// Writing numbers.

// The display patterns of the result labels and conversions.
enum class DisplayPattern {
    TwoDecimals,   // "##0.00"
    OneDecimal,    // "##0.0"
    ThreeDecimals, // "##0.000"
    WholeNumber,   // "##0"
};

// How many decimals a pattern shows (0 to 3).
int decimalPlaces(DisplayPattern pattern);

// Formats a single-precision value: it is first taken to the 7 significant
// digits it shows, then rounded to the pattern's decimals, halves away from
// zero. At least one integer digit, no grouping, leading minus when negative
// (never "-0.00"), the locale's decimal separator.
std::string formatPattern(float value, DisplayPattern pattern, const NumberLocale& locale);

// The same for a double-precision value, taken to 15 significant digits first.
std::string formatPattern(double value, DisplayPattern pattern, const NumberLocale& locale);

// General number-to-text conversion of a single-precision value: at most
// `significantDigits` (1..7) significant digits, trailing zeros and a trailing
// separator dropped, "0" before the separator below 1, no grouping. Ordinary
// magnitudes (1e-5 <= |v| < 1e15) are written without an exponent; others as
// "1.5E+20". The result always reads back as numeric.
std::string formatGeneral(float value, const NumberLocale& locale, int significantDigits = 7);

} // namespace tarvanel
