#pragma once

#include "numbers/number_locale.h"
#include "plan/plan.h"
#include "texts/sheet.h"

namespace tarvanel {

class ElevationReader;

// The plan's survey as a section of a summary or report (survey/survey.h:
// surveySection), its rows computed now, on the caller's thread, as the
// survey's table computes them: over the ground of the survey's folder, read
// through one session, when it has one. No heading when the plan has no
// survey site.
SheetSection surveySectionNow(const Plan& plan, ElevationReader& reader,
                              const NumberLocale& locale);

} // namespace tarvanel
