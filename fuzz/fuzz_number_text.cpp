// Reads arbitrary bytes as a typed number under every locale and writes the
// values back as text, checking that reading and writing agree.

#include "fuzz/fuzz_support.h"
#include "numbers/number_text.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace tarvanel::fuzz {
namespace {

// A text reads in every precision or in none, agreeing with isNumeric; a
// numeric text converts or overflows, and what converts is finite.
void checkReading(std::string_view text, const NumberLocale& locale) {
    const bool numeric = isNumeric(text, locale);
    const Outcome<float> single = toSingle(text, locale);
    const Outcome<double> real = toDouble(text, locale);
    for (EngineError error : {single.error, real.error, toInt16(text, locale).error}) {
        FUZZ_CHECK(numeric == (error != EngineError::NotNumeric));
        FUZZ_CHECK(!numeric || error == EngineError::None || error == EngineError::Overflow);
    }
    FUZZ_CHECK((!single.ok() || std::isfinite(single.value)) &&
               (!real.ok() || std::isfinite(real.value)));
}

// "-?\d+<separator>\d{decimals}" reading back within the rounding of the
// pattern; a double within the last 15-digit step below the largest double
// rounds up past the double range, and such a text overflows.
template <typename Real> void checkPattern(Real value, double relative, const NumberLocale& l) {
    const double v = std::isfinite(value) ? static_cast<double>(value) : 0.0;
    for (DisplayPattern pattern :
         {DisplayPattern::OneDecimal, DisplayPattern::TwoDecimals, DisplayPattern::ThreeDecimals}) {
        const std::string text = formatPattern(value, pattern, l);
        const int decimals = decimalPlaces(pattern);
        FUZZ_CHECK(isResultText(text, decimals, "", l));
        const Outcome<double> back = toDouble(text, l);
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
void checkGeneral(float value, const NumberLocale& l) {
    const double expected = std::isfinite(value) ? value : 0.0;
    for (int digits = 1; digits <= 7; ++digits) {
        const std::string text = formatGeneral(value, l, digits);
        const Outcome<double> back = toDouble(text, l);
        FUZZ_CHECK(back.ok() && (digits < 7 || toSingle(text, l).ok()));
        const double bound = 5.0 * std::pow(10.0, -digits) * std::fabs(expected);
        FUZZ_CHECK(std::fabs(back.value - expected) <= bound * (1 + 1e-9));
    }
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text{reinterpret_cast<const char*>(data), size};
    float rawSingle = 0; // any bit pattern, infinities and NaN included
    std::memcpy(&rawSingle, data, std::min(size, sizeof rawSingle));
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        checkReading(text, l.locale);
        for (float value : {toSingle(text, l.locale).value, rawSingle}) {
            checkPattern(value, 5e-7, l.locale);
            checkGeneral(value, l.locale);
        }
        // 15 significant digits, plus the rounding of reading the text back.
        for (double value : {toDouble(text, l.locale).value, double{rawSingle}})
            checkPattern(value, 5e-15 + 2.3e-16, l.locale);
    }
    return 0;
}
