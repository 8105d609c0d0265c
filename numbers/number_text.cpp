#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace tarvanel {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool consume(std::string_view& text, std::string_view token) {
    if (token.empty() || text.size() < token.size()) return false;
    // Most separators and signs are one byte: compare without a library call.
    if (token.size() == 1 ? text.front() != token.front() : !text.starts_with(token)) return false;
    text.remove_prefix(token.size());
    return true;
}

std::string_view consumeDigits(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

// Reads an optional sign; true when it is a minus.
bool consumeSign(std::string_view& text, const NumberLocale& locale) {
    if (text.empty() || isDigit(text.front())) return false; // the usual case: no sign
    if (consume(text, "-") || consume(text, locale.minus)) return true;
    if (!consume(text, "+")) consume(text, locale.plus);
    return false;
}

// The parts of a numeric text, as views into it.
struct ScannedNumber {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
};

std::optional<ScannedNumber> scan(std::string_view text, const NumberLocale& locale) {
    text = trimBlanks(text);
    ScannedNumber number;
    number.negative = consumeSign(text, locale);
    number.integerDigits = consumeDigits(text);
    if (consume(text, locale.decimal) || consume(text, ".") || consume(text, ","))
        number.fractionDigits = consumeDigits(text);
    if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;
    if (!text.empty() &&
        (consume(text, "e") || consume(text, "E") || consume(text, locale.exponent))) {
        number.exponentNegative = consumeSign(text, locale);
        number.exponentDigits = consumeDigits(text);
        if (number.exponentDigits.empty()) return std::nullopt;
    }
    if (!text.empty()) return std::nullopt;
    return number;
}

// Saturates far beyond any exponent a float or double can use.
constexpr std::int64_t kExponentCap = 1'000'000'000'000LL;

std::int64_t exponentValue(const ScannedNumber& number) {
    std::int64_t value = 0;
    for (char c : number.exponentDigits) {
        value = value * 10 + (c - '0');
        if (value > kExponentCap) {
            value = kExponentCap;
            break;
        }
    }
    return number.exponentNegative ? -value : value;
}

// Decimal exponent of the first significant digit (1234 -> 3, 0.05 -> -2),
// or nothing when every digit is zero.
std::optional<std::int64_t> leadingDigitExponent(const ScannedNumber& number) {
    const auto& whole = number.integerDigits;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] != '0') return static_cast<std::int64_t>(whole.size() - i - 1);
    }
    const auto& fraction = number.fractionDigits;
    for (std::size_t i = 0; i < fraction.size(); ++i) {
        if (fraction[i] != '0') return -static_cast<std::int64_t>(i) - 1;
    }
    return std::nullopt;
}

template <typename Real>
Outcome<Real> convertReal(std::string_view text, const NumberLocale& locale) {
    const auto scanned = scan(text, locale);
    if (!scanned) return Outcome<Real>::failure(EngineError::NotNumeric);
    const ScannedNumber& number = *scanned;
    const Real zero = number.negative ? -Real(0) : Real(0);

    const std::int64_t exponent = exponentValue(number);

    const auto leading = leadingDigitExponent(number);
    if (!leading) return {zero};
    const std::int64_t magnitude = *leading + exponent;
    // Far outside any floating-point range: decide without asking the parser.
    constexpr std::int64_t kMaxDecimalExponent = std::numeric_limits<Real>::max_exponent10;
    if (magnitude > 400) return Outcome<Real>::failure(EngineError::Overflow);
    if (magnitude < -400) return {zero};

    // "[-]digits.digitsE[-]exponent" in the C locale for std::from_chars; on
    // the stack for everything a person types, on the heap for pasted floods.
    const std::size_t length = number.integerDigits.size() + number.fractionDigits.size() + 32;
    std::array<char, 128> stackBuffer;
    std::string heapBuffer;
    char* const start = length <= stackBuffer.size()
                            ? stackBuffer.data()
                            : (heapBuffer.resize(length), heapBuffer.data());
    char* end = start;
    auto append = [&end](std::string_view part) { end = std::copy(part.begin(), part.end(), end); };
    if (number.negative) append("-");
    append(number.integerDigits.empty() ? std::string_view("0") : number.integerDigits);
    if (!number.fractionDigits.empty()) {
        append(".");
        append(number.fractionDigits);
    }
    if (exponent != 0) {
        append("e");
        end = std::to_chars(end, start + length, exponent).ptr;
    }

    Real value{};
    const auto result = std::from_chars(start, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (magnitude >= kMaxDecimalExponent) return Outcome<Real>::failure(EngineError::Overflow);
        return {zero}; // too small: reads as zero
    }
    if (result.ec != std::errc() || result.ptr != end)
        return Outcome<Real>::failure(EngineError::NotNumeric);
    if (std::isinf(value)) return Outcome<Real>::failure(EngineError::Overflow);
    return {value};
}

// Decimal digits of a finite value and the decimal exponent of the first one:
// 1234.5 with 7 digits gives "1234500" and 3.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

template <typename Real> DecimalDigits significantDigits(Real value, int count) {
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       std::fabs(value), std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    DecimalDigits result;
    result.negative = std::signbit(value);
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (isDigit(c)) result.digits += c;
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    result.exponent);
    return result;
}

// Rounds the digits to `decimals` places, halves away from zero, and writes
// them with at least one integer digit.
std::string roundToDecimals(const DecimalDigits& value, int decimals, const NumberLocale& locale) {
    // Digits of |value| x 10^decimals that stay before the rounding point.
    const long keep = static_cast<long>(value.exponent) + 1 + decimals;
    std::string scaled;
    if (keep >= static_cast<long>(value.digits.size())) {
        scaled = value.digits;
        scaled.append(static_cast<std::size_t>(keep) - value.digits.size(), '0');
    } else if (keep >= 0) {
        scaled = value.digits.substr(0, static_cast<std::size_t>(keep));
        if (value.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = static_cast<int>(scaled.size()) - 1;
            while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') {
                scaled[static_cast<std::size_t>(i)] = '0';
                --i;
            }
            if (i < 0)
                scaled.insert(scaled.begin(), '1');
            else
                ++scaled[static_cast<std::size_t>(i)];
        }
    }
    // Leading zeros so that there is at least one integer digit.
    if (scaled.size() < static_cast<std::size_t>(decimals) + 1)
        scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');

    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    std::string text;
    if (value.negative && !isZero) text += locale.minus;
    text.append(scaled, 0, scaled.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        text += locale.decimal;
        text.append(scaled, scaled.size() - static_cast<std::size_t>(decimals));
    }
    return text;
}

template <typename Real>
std::string formatWithPattern(Real value, int shownDigits, DisplayPattern pattern,
                              const NumberLocale& locale) {
    if (!std::isfinite(value)) value = 0; // never produced by the engine; keep the text sound
    return roundToDecimals(significantDigits(value, shownDigits), decimalPlaces(pattern), locale);
}

} // namespace

int decimalPlaces(DisplayPattern pattern) {
    switch (pattern) {
    case DisplayPattern::OneDecimal:
        return 1;
    case DisplayPattern::TwoDecimals:
        return 2;
    case DisplayPattern::ThreeDecimals:
        return 3;
    case DisplayPattern::WholeNumber:
        return 0;
    }
    return 2;
}

bool isNumeric(std::string_view text, const NumberLocale& locale) {
    return scan(text, locale).has_value();
}

Outcome<float> toSingle(std::string_view text, const NumberLocale& locale) {
    return convertReal<float>(text, locale);
}

Outcome<double> toDouble(std::string_view text, const NumberLocale& locale) {
    return convertReal<double>(text, locale);
}

Outcome<std::int16_t> toInt16(std::string_view text, const NumberLocale& locale) {
    const Outcome<double> real = toDouble(text, locale);
    if (!real.ok()) return Outcome<std::int16_t>::failure(real.error);
    const double floor = std::floor(real.value);
    const double fraction = real.value - floor;
    double nearest = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0)) nearest = floor + 1.0;
    if (nearest < -32768.0 || nearest > 32767.0)
        return Outcome<std::int16_t>::failure(EngineError::Overflow);
    return {static_cast<std::int16_t>(nearest)};
}

std::string formatPattern(float value, DisplayPattern pattern, const NumberLocale& locale) {
    return formatWithPattern(value, 7, pattern, locale);
}

std::string formatPattern(double value, DisplayPattern pattern, const NumberLocale& locale) {
    return formatWithPattern(value, 15, pattern, locale);
}

std::string formatGeneral(float value, const NumberLocale& locale, int digitCount) {
    if (!std::isfinite(value) || value == 0.0f) return "0";
    DecimalDigits decimal = significantDigits(value, std::clamp(digitCount, 1, 7));
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();

    std::string text;
    if (decimal.negative) text += locale.minus;
    const int e = decimal.exponent;
    const auto& digits = decimal.digits;
    if (e >= -5 && e < 15) {
        if (e >= 0) {
            const auto integerCount = static_cast<std::size_t>(e) + 1;
            text.append(digits, 0, std::min(integerCount, digits.size()));
            if (integerCount > digits.size()) text.append(integerCount - digits.size(), '0');
            if (digits.size() > integerCount) {
                text += locale.decimal;
                text.append(digits, integerCount);
            }
        } else {
            text += '0';
            text += locale.decimal;
            text.append(static_cast<std::size_t>(-e - 1), '0');
            text += digits;
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += locale.decimal;
        text.append(digits, 1);
    }
    std::array<char, 8> exponentDigits{};
    const auto written = std::to_chars(exponentDigits.data(),
                                       exponentDigits.data() + exponentDigits.size(), std::abs(e));
    text += e < 0 ? "E-" : "E+";
    if (written.ptr - exponentDigits.data() < 2) text += '0';
    text.append(exponentDigits.data(), written.ptr);
    return text;
}

} // namespace tarvanel
