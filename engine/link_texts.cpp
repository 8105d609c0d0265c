#include "engine/link_texts.h"

namespace tarvanel {

LinkTexts linkTexts(const LinkFields& link, std::string_view distanceKm, const PathFields& path,
                    const NumberLocale& locale) {
    const LinkResults results = evaluateLink(link, locale);
    const PathReadouts atDistance =
        pathReadouts(link, results, distanceKm, earthFactorValue(path.earthFactor), locale);
    return {resultTextsOf(results, locale),
            installerReadoutTexts(link, results, atDistance, locale),
            pathTexts(path, atDistance, locale)};
}

} // namespace tarvanel
