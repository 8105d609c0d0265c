#pragma once

#include "numbers/number_locale.h"
#include "plan/plan.h"
#include "texts/sheet.h"

namespace tarvanel {

// The plan's links judged side by side, the first table of a plan's report:
// "Οι ζεύξεις του σχεδίου", a row a link in the plan's order with its two
// sites, the link distance, the margin at it (less Lb over the profile), the
// best rate, the worst point with its share of F1 and the warnings the window
// shows, each cell in the colour the window gives it (the margin green while
// it keeps the fade margin).
SheetSection planVerdicts(const Plan& plan, const NumberLocale& locale);

} // namespace tarvanel
