#pragma once

#include "engine/link_inputs.h"
#include "numbers/number_locale.h"

namespace tarvanel {

// Keeps a link's channel width and rate standard among those its band offers
// (band/band.h: widthIn, standardIn): choosing 5 GHz keeps 802.11n, 80 MHz
// turns it into 802.11ac with as many streams, 2.4 GHz is always 20 MHz.
void keepWithinBand(LinkInputs& inputs);

// A frequency typed into a link picks the band it falls in: after an edit
// that changed the frequency text from `before`'s, a frequency inside another
// band (5500 at 2.4 GHz) moves the link there; one in no band (3000) or not a
// number leaves the band.
void followFrequency(LinkInputs& inputs, const LinkInputs& before, const NumberLocale& locale);

} // namespace tarvanel
