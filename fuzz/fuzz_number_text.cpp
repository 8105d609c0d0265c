// Reads arbitrary bytes as a typed number under every locale and writes the
// values back as text, checking that reading and writing agree.

#include "fuzz_support.h"
#include "number_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tarvanel::fuzz {
namespace {

constexpr std::array<DisplayPattern, 3> kPatterns{
    DisplayPattern::OneDecimal, DisplayPattern::TwoDecimals, DisplayPattern::ThreeDecimals};

// A number read must be one of the three outcomes, agreeing with isNumeric.
void checkReading(std::string_view text, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const bool numeric = isNumeric(text, locale);
    const Outcome<float> single = toSingle(text, locale);
    const Outcome<double> real = toDouble(text, locale);
    const Outcome<std::int16_t> integer = toInt16(text, locale);

    check(numeric == (single.error != EngineError::NotNumeric), "isNumeric vs toSingle", text,
          l.name);
    check(numeric == (real.error != EngineError::NotNumeric), "isNumeric vs toDouble", text,
          l.name);
    check(numeric == (integer.error != EngineError::NotNumeric), "isNumeric vs toInt16", text,
          l.name);
    if (!numeric) return;

    // A numeric text always converts or overflows.
    check(single.ok() || single.error == EngineError::Overflow, "toSingle error kind", text,
          l.name);
    check(real.ok() || real.error == EngineError::Overflow, "toDouble error kind", text, l.name);
    check(integer.ok() || integer.error == EngineError::Overflow, "toInt16 error kind", text,
          l.name);
    check(!single.ok() || std::isfinite(single.value), "toSingle finite", text, l.name);
    check(!real.ok() || std::isfinite(real.value), "toDouble finite", text, l.name);

    // Single and double precision read the same number.
    if (!real.ok()) check(!single.ok(), "double overflows but single does not", text, l.name);
    if (single.ok()) {
        check(real.ok(), "single reads but double overflows", text, l.name);
        const auto narrowed = static_cast<float>(real.value);
        const float s = single.value;
        if (std::isinf(narrowed)) {
            check(std::fabs(s) == std::numeric_limits<float>::max(), "single near the top", text,
                  l.name);
        } else {
            const bool withinUlp =
                narrowed == s || std::nextafter(narrowed, s) == s; // halfway double rounding
            check(withinUlp, "single and double disagree", text, l.name);
            check(std::signbit(narrowed) == std::signbit(s), "sign of single and double", text,
                  l.name);
        }
    } else if (real.ok()) {
        check(std::fabs(real.value) > 3.4e38, "single overflows below the single range", text,
              l.name);
    }

    // The 16-bit integer is the nearest one, halves to even.
    if (real.ok()) {
        const double nearest = std::nearbyint(real.value); // default mode: ties to even
        const bool fits = nearest >= -32768.0 && nearest <= 32767.0;
        check(integer.ok() == fits, "toInt16 range", text, l.name);
        if (integer.ok()) check(integer.value == nearest, "toInt16 rounding", text, l.name);
    } else {
        check(!integer.ok(), "toInt16 reads a double overflow", text, l.name);
    }
}

// "-?\d+<separator>\d{decimals}" reading back within the rounding of the pattern.
template <typename Real> void checkPattern(Real value, double relative, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    for (DisplayPattern pattern : kPatterns) {
        const std::string text = formatPattern(value, pattern, locale);
        const int decimals = decimalPlaces(pattern);
        check(isResultText(text, decimals, "", locale), "pattern text shape", text, l.name);
        check(isNumeric(text, locale), "pattern text not numeric", text, l.name);
        const Outcome<double> back = toDouble(text, locale);
        const double v = std::isfinite(value) ? static_cast<double>(value) : 0.0;
        // Doubles within the last 15-digit step below the largest double round
        // up past the double range ("179769313486232000...0.0"): such a text
        // overflows. Everything else reads back.
        if (back.error == EngineError::Overflow &&
            std::fabs(v) >= std::numeric_limits<double>::max() * (1 - 1e-14))
            continue;
        check(back.ok(), "pattern text does not read back", text, l.name);
        const double bound = 0.5 * std::pow(10.0, -decimals) + relative * std::fabs(v);
        check(std::fabs(back.value - v) <= bound * (1 + 1e-9), "pattern text off its value", text,
              l.name);
    }
}

// At most `digits` significant digits, reading back to the value so rounded.
void checkGeneral(float value, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    for (int digits = 1; digits <= 7; ++digits) {
        const std::string text = formatGeneral(value, locale, digits);
        check(isNumeric(text, locale), "general text not numeric", text, l.name);
        // With fewer than 7 digits the largest singles round up past the
        // single range ("3.403E+38"): such a text reads back as a double only.
        const Outcome<double> back = toDouble(text, locale);
        check(back.ok(), "general text does not read back", text, l.name);
        if (digits == 7) check(toSingle(text, locale).ok(), "general text overflows", text, l.name);
        if (!std::isfinite(value)) {
            check(back.value == 0.0, "non-finite value not written as 0", text, l.name);
            continue;
        }
        const double bound = 5.0 * std::pow(10.0, -digits) * std::fabs(value);
        check(std::fabs(back.value - value) <= bound * (1 + 1e-9), "general text off its value",
              text, l.name);
    }
}

template <typename Real> Real fromBytes(const std::uint8_t* data, std::size_t size) {
    Real value{};
    std::memcpy(&value, data, std::min(size, sizeof value));
    return value;
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto rawSingle = fromBytes<float>(data, size);
    const auto rawDouble = fromBytes<double>(data, size);
    for (const FuzzLocale& l : kLocales) {
        checkReading(text, l);
        // Values read from the text and values made of the raw bytes (any
        // bit pattern, infinities and NaN included) are written back.
        const Outcome<float> single = toSingle(text, l.locale);
        const Outcome<double> real = toDouble(text, l.locale);
        for (float value : {single.value, rawSingle}) {
            checkPattern(value, 5e-7, l);
            checkGeneral(value, l);
        }
        // 15 significant digits, plus the rounding of reading the text back.
        for (double value : {real.value, rawDouble})
            checkPattern(value, 5e-15 + 2.3e-16, l);
    }
    return 0;
}
