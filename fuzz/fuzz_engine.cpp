// Fills all 13 fields of the link with arbitrary texts, in any power unit and
// locale, and checks what the refresh cycle relies on: the guarded functions
// give finite numbers, the plain ones an error kind or a finite number, and
// the label texts are well formed and agree with the functions one by one.

#include "fuzz_support.h"
#include "result_text.h"

#include <cmath>
#include <cstdint>

namespace tarvanel::fuzz {
namespace {

constexpr std::array<PowerUnit, 3> kUnits{PowerUnit::dBm, PowerUnit::mW, PowerUnit::None};

bool isErrorKind(EngineError error) {
    switch (error) {
    case EngineError::None:
    case EngineError::NotNumeric:
    case EngineError::Overflow:
    case EngineError::DivisionByZero:
    case EngineError::InvalidOperation:
        return true;
    }
    return false;
}

void checkPlain(const Outcome<float>& outcome, const char* what, std::string_view input,
                const FuzzLocale& l) {
    check(isErrorKind(outcome.error), what, input, l.name);
    check(!outcome.ok() || std::isfinite(outcome.value), what, input, l.name);
    check(outcome.ok() || outcome.value == 0.0f, what, input, l.name);
}

void checkGuarded(float value, const char* what, std::string_view input, const FuzzLocale& l) {
    check(std::isfinite(value), what, input, l.name);
}

void checkLabel(const std::string& text, float value, int decimals, DisplayPattern pattern,
                std::string_view suffix, std::string_view input, const FuzzLocale& l) {
    check(isResultText(text, decimals, suffix, l.locale), "result text shape", input, l.name);
    // The tick reads every field once; the texts must be what the five
    // functions give when each reads the fields itself.
    check(text == resultLabelText(value, pattern, suffix, l.locale),
          "result text differs from its function", input, l.name);
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Options: unit of end 1, unit of end 2, locale. Then the 13 fields.
    const SplitInput split = splitLines(input, 13);
    const auto& t = split.texts;
    const FuzzLocale& l = kLocales[static_cast<std::size_t>(option(split, 2, kLocales.size()))];
    const NumberLocale& locale = l.locale;

    LinkFields link;
    link.end1 = {t[0], kUnits[static_cast<std::size_t>(option(split, 0, 3))], t[1], t[2], t[3],
                 t[4]};
    link.end2 = {t[5], kUnits[static_cast<std::size_t>(option(split, 1, 3))], t[6], t[7], t[8],
                 t[9]};
    link.frequency = t[10];
    link.sensitivity = t[11];
    link.margin = t[12];

    checkPlain(GetPower1(link, locale), "GetPower1", input, l);
    checkPlain(GetPower2(link, locale), "GetPower2", input, l);
    const Outcome<float> loss1 = ReturnCableLoss1(link, locale);
    const Outcome<float> loss2 = ReturnCableLoss2(link, locale);
    checkPlain(loss1, "ReturnCableLoss1", input, l);
    checkPlain(loss2, "ReturnCableLoss2", input, l);
    // A cable field that is not a number gives 0, never a conversion error.
    check(loss1.error != EngineError::NotNumeric, "cable loss 1 not numeric", input, l.name);
    check(loss2.error != EngineError::NotNumeric, "cable loss 2 not numeric", input, l.name);

    const float eirp1 = Calc_EIRP1(link, locale);
    const float eirp2 = Calc_EIRP2(link, locale);
    const float distance = CalcDistance(link, locale);
    const float loss = Calc_FSL(link, locale);
    const float radius = Calc_Frensel_Zone(link, locale);
    checkGuarded(eirp1, "Calc_EIRP1", input, l);
    checkGuarded(eirp2, "Calc_EIRP2", input, l);
    checkGuarded(distance, "CalcDistance", input, l);
    checkGuarded(loss, "Calc_FSL", input, l);
    checkGuarded(radius, "Calc_Frensel_Zone", input, l);
    check(radius >= 0.0f, "negative Fresnel radius", input, l.name);

    const ResultTexts texts = computeResultTexts(link, locale);
    checkLabel(texts.eirp1, eirp1, 2, DisplayPattern::TwoDecimals, " dBm", input, l);
    checkLabel(texts.eirp2, eirp2, 2, DisplayPattern::TwoDecimals, " dBm", input, l);
    checkLabel(texts.distance, distance, 3, DisplayPattern::ThreeDecimals, " Km", input, l);
    checkLabel(texts.freeSpace, loss, 1, DisplayPattern::OneDecimal, " dB", input, l);
    checkLabel(texts.fresnel, radius, 2, DisplayPattern::TwoDecimals, " m", input, l);
    return 0;
}
