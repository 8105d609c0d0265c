#include "result_text.h"

#include "link_readings.h"

namespace tarvanel {

std::string resultLabelText(float value, DisplayPattern pattern, std::string_view suffix,
                            const NumberLocale& locale) {
    std::string text = formatPattern(value, pattern, locale);
    text += suffix;
    return text;
}

ResultTexts computeResultTexts(const LinkFields& link, const NumberLocale& locale) {
    // One reading of the fields serves all five results: they are what the
    // five functions give for the same texts, without parsing them five times.
    const LinkReadings readings = readLink(link, locale);
    const Outcome<float> distance = distanceOf(readings);
    return {
        resultLabelText(orZero(eirpOf(readings.end1)), DisplayPattern::TwoDecimals, " dBm", locale),
        resultLabelText(orZero(eirpOf(readings.end2)), DisplayPattern::TwoDecimals, " dBm", locale),
        resultLabelText(orZero(distance), DisplayPattern::ThreeDecimals, " Km", locale),
        resultLabelText(orZero(freeSpaceLossOf(readings, distance)), DisplayPattern::OneDecimal,
                        " dB", locale),
        resultLabelText(orZero(fresnelRadiusOf(readings, distance)), DisplayPattern::TwoDecimals,
                        " m", locale),
    };
}

} // namespace tarvanel
