#include "texts/result_text.h"

#include "numbers/checked_math.h"

#include <cmath>

namespace tarvanel {

std::string resultLabelText(float value, DisplayPattern pattern, std::string_view suffix,
                            const NumberLocale& locale) {
    std::string text = formatPattern(value, pattern, locale);
    text += suffix;
    return text;
}

std::string figureText(const Outcome<double>& value, std::string_view suffix,
                       const NumberLocale& locale) {
    if (!value.ok()) return {};
    const Outcome<float> single = checked::toSingle(value.value);
    if (!single.ok()) return {};
    return resultLabelText(single.value, DisplayPattern::TwoDecimals, suffix, locale);
}

ResultTexts computeResultTexts(const LinkFields& link, const NumberLocale& locale) {
    // One reading of the fields serves all five results.
    return resultTextsOf(evaluateLink(link, locale), locale);
}

ResultTexts resultTextsOf(const LinkResults& results, const NumberLocale& locale) {
    return {
        resultLabelText(results.end1.eirp.orZero(), DisplayPattern::TwoDecimals, " dBm", locale),
        resultLabelText(results.end2.eirp.orZero(), DisplayPattern::TwoDecimals, " dBm", locale),
        resultLabelText(results.distance.orZero(), DisplayPattern::ThreeDecimals, " Km", locale),
        resultLabelText(results.freeSpaceLoss.orZero(), DisplayPattern::OneDecimal, " dB", locale),
        resultLabelText(results.fresnelRadius.orZero(), DisplayPattern::TwoDecimals, " m", locale),
    };
}

} // namespace tarvanel
