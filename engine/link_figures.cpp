#include "engine/link_figures.h"

#include "engine/number_text.h"
#include "engine/result_text.h"

namespace tarvanel {

LinkFigures linkFigures(const LinkInputs& inputs, const NumberLocale& locale) {
    const LinkFields& link = inputs.link;
    LinkFigures figures;
    figures.results = evaluateLink(link, locale);
    const LinkResults& results = figures.results;
    figures.exceedsLimit1 = exceedsLegalLimit(results.end1.eirp.orZero());
    figures.exceedsLimit2 = exceedsLegalLimit(results.end2.eirp.orZero());
    figures.legalPower1 = legalPowerOf(results.end1, toSingle(link.end1.gain, locale));
    figures.legalPower2 = legalPowerOf(results.end2, toSingle(link.end2.gain, locale));
    figures.directions = directionsOf(link, results, locale);
    figures.earthFactor = inputs.path.earthFactor;
    figures.atDistance = pathReadouts(link, results, inputs.linkDistance,
                                      earthFactorValue(figures.earthFactor), locale);
    figures.path = pathFigures(inputs.path, figures.atDistance, locale);
    return figures;
}

} // namespace tarvanel
