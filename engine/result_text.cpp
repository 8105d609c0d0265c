#include "result_text.h"

namespace tarvanel {

std::string resultLabelText(float value, DisplayPattern pattern, std::string_view suffix,
                            const NumberLocale& locale) {
    std::string text = formatPattern(value, pattern, locale);
    text += suffix;
    return text;
}

ResultTexts computeResultTexts(const LinkFields& link, const NumberLocale& locale) {
    return {
        resultLabelText(Calc_EIRP1(link, locale), DisplayPattern::TwoDecimals, " dBm", locale),
        resultLabelText(Calc_EIRP2(link, locale), DisplayPattern::TwoDecimals, " dBm", locale),
        resultLabelText(CalcDistance(link, locale), DisplayPattern::ThreeDecimals, " Km", locale),
        resultLabelText(Calc_FSL(link, locale), DisplayPattern::OneDecimal, " dB", locale),
        resultLabelText(Calc_Frensel_Zone(link, locale), DisplayPattern::TwoDecimals, " m", locale),
    };
}

} // namespace tarvanel
