#include "engine/link_texts.h"

namespace tarvanel {

LinkTexts linkTexts(const LinkFields& link, std::string_view distanceKm,
                    const NumberLocale& locale) {
    const LinkResults results = evaluateLink(link, locale);
    return {resultTextsOf(results, locale),
            installerReadoutTexts(link, results, distanceKm, locale)};
}

} // namespace tarvanel
