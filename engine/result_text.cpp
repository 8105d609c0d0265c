#include "engine/result_text.h"

namespace tarvanel {

std::string resultLabelText(float value, DisplayPattern pattern, std::string_view suffix,
                            const NumberLocale& locale) {
    std::string text = formatPattern(value, pattern, locale);
    text += suffix;
    return text;
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
