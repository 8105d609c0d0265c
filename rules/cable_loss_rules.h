#pragma once

#include "engine/link_budget.h"
#include "numbers/number_locale.h"

#include <string>

namespace tarvanel {

// The caption of a link end's cable-loss label: the loss rounded to one
// decimal through "##0.0", read back and written in the general number form,
// so "2.7", "3" and "0" (with the locale's separator). Empty or non-numeric
// fields give "0"; so does a loss the engine cannot compute (a connector count
// beyond 16 bits, a figure beyond single precision), as every other result of
// the calculator shows a failure.
std::string cableLossText(const LinkEndFields& end, const NumberLocale& locale);

} // namespace tarvanel
