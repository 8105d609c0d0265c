#pragma once

#include "numbers/number_locale.h"
#include "report/link_report.h"

#include <vector>

namespace tarvanel {

struct LinkFigures;
struct LinkTexts;

// The report's first box, in the window's words: whether the link closes (its
// margin at the link distance, less the path's loss Lb when the profile gives
// one, against the fade margin), the best rate, the worst point and the share
// of its first Fresnel zone left free, the legal powers, then each warning
// the window shows, in red. Example link at 5 km over ground 25 m 2 km out:
// "Η ζεύξη δεν κλείνει", "Περιθώριο στα 5 km: 0.98 dB (μείον απώλεια
// περίθλασης 10.69 dB), fade margin 10 dB", "Καλύτερος ρυθμός: ...".
std::vector<VerdictLine> reportVerdict(const LinkFigures& figures, const LinkTexts& texts,
                                       const NumberLocale& locale);

// The warnings the window shows, in red, as the verdict ends with them: EIRP
// above the limit, a target below the sensitivity, an alignment to check,
// ground missing.
std::vector<VerdictLine> reportWarnings(const LinkTexts& texts);

} // namespace tarvanel
