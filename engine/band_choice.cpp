#include "engine/band_choice.h"

#include "numbers/number_text.h"

namespace tarvanel {

void keepWithinBand(LinkInputs& inputs) {
    inputs.width = widthIn(inputs.band, inputs.width);
    inputs.rates.standard = standardIn(inputs.band, inputs.width, inputs.rates.standard);
}

void followFrequency(LinkInputs& inputs, const LinkInputs& before, const NumberLocale& locale) {
    if (inputs.link.frequency == before.link.frequency) return;
    const Outcome<double> megahertz = toDouble(inputs.link.frequency, locale);
    if (!megahertz.ok()) return;
    const std::optional<Band> band = bandAt(megahertz.value);
    if (!band || *band == inputs.band) return;
    inputs.band = *band;
    keepWithinBand(inputs);
}

} // namespace tarvanel
