// Reads arbitrary bytes as a typed number under every locale and writes the
// values back as text, checking that reading and writing agree.

#include "fuzz_support.h"
#include "number_text.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace tarvanel::fuzz {
namespace {

// A text reads in every precision or in none, agreeing with isNumeric; a
// numeric text converts or overflows, to the same number in each precision.
void checkReading(std::string_view text, const FuzzLocale& l) {
    const bool numeric = isNumeric(text, l.locale);
    const Outcome<float> single = toSingle(text, l.locale);
    const Outcome<double> real = toDouble(text, l.locale);
    const Outcome<std::int16_t> integer = toInt16(text, l.locale);
    for (EngineError error : {single.error, real.error, integer.error}) {
        FUZZ_CHECK(numeric == (error != EngineError::NotNumeric));
        FUZZ_CHECK(!numeric || error == EngineError::None || error == EngineError::Overflow);
    }
    if (!numeric) return;
    FUZZ_CHECK(!single.ok() || std::isfinite(single.value));
    FUZZ_CHECK(!real.ok() || std::isfinite(real.value));
    FUZZ_CHECK(real.ok() || !single.ok());
    if (single.ok()) {
        // Within one step of the double narrowed, for halfway double rounding.
        const auto narrowed = static_cast<float>(real.value);
        const float s = single.value;
        FUZZ_CHECK(std::isinf(narrowed) ? std::fabs(s) == std::numeric_limits<float>::max()
                                        : narrowed == s || std::nextafter(narrowed, s) == s);
        FUZZ_CHECK(std::signbit(narrowed) == std::signbit(s));
    } else if (real.ok()) {
        FUZZ_CHECK(std::fabs(real.value) > 3.4e38);
    }
    // The 16-bit integer is the nearest one, halves to even.
    const double nearest = std::nearbyint(real.value); // default mode: ties to even
    FUZZ_CHECK(integer.ok() == (real.ok() && nearest >= -32768.0 && nearest <= 32767.0));
    FUZZ_CHECK(!integer.ok() || integer.value == nearest);
}

// "-?\d+<separator>\d{decimals}" reading back within the rounding of the pattern.
template <typename Real> void checkPattern(Real value, double relative, const FuzzLocale& l) {
    const double v = std::isfinite(value) ? static_cast<double>(value) : 0.0;
    for (DisplayPattern pattern :
         {DisplayPattern::OneDecimal, DisplayPattern::TwoDecimals, DisplayPattern::ThreeDecimals}) {
        const std::string text = formatPattern(value, pattern, l.locale);
        const int decimals = decimalPlaces(pattern);
        FUZZ_CHECK(isResultText(text, decimals, "", l.locale));
        const Outcome<double> back = toDouble(text, l.locale);
        // Doubles within the last 15-digit step below the largest double round
        // up past the double range: such a text overflows.
        if (back.error == EngineError::Overflow &&
            std::fabs(v) >= std::numeric_limits<double>::max() * (1 - 1e-14))
            continue;
        const double bound = 0.5 * std::pow(10.0, -decimals) + relative * std::fabs(v);
        FUZZ_CHECK(back.ok() && std::fabs(back.value - v) <= bound * (1 + 1e-9));
    }
}

// At most `digits` significant digits, reading back to the value so rounded.
// With fewer than 7 digits the largest singles round up past the single
// range ("3.403E+38"): such a text reads back as a double only.
void checkGeneral(float value, const FuzzLocale& l) {
    for (int digits = 1; digits <= 7; ++digits) {
        const std::string text = formatGeneral(value, l.locale, digits);
        const Outcome<double> back = toDouble(text, l.locale);
        FUZZ_CHECK(back.ok());
        FUZZ_CHECK(digits < 7 || toSingle(text, l.locale).ok());
        const double expected = std::isfinite(value) ? value : 0.0;
        const double bound = 5.0 * std::pow(10.0, -digits) * std::fabs(expected);
        FUZZ_CHECK(std::fabs(back.value - expected) <= bound * (1 + 1e-9));
    }
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text = inputText(data, size);
    float rawSingle = 0; // any bit pattern, infinities and NaN included
    double rawDouble = 0;
    std::memcpy(&rawSingle, data, std::min(size, sizeof rawSingle));
    std::memcpy(&rawDouble, data, std::min(size, sizeof rawDouble));
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        checkReading(text, l);
        for (float value : {toSingle(text, l.locale).value, rawSingle}) {
            checkPattern(value, 5e-7, l);
            checkGeneral(value, l);
        }
        // 15 significant digits, plus the rounding of reading the text back.
        for (double value : {toDouble(text, l.locale).value, rawDouble})
            checkPattern(value, 5e-15 + 2.3e-16, l);
    }
    return 0;
}
