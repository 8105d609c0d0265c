#pragma once

#include "engine/link_budget.h"
#include "numbers/number_text.h"

#include <string>
#include <string_view>

namespace tarvanel {

// The text of a result label: the value through its pattern, trimmed, then the
// unit suffix (which starts with a blank), e.g. "32.30 dBm".
std::string resultLabelText(float value, DisplayPattern pattern, std::string_view suffix,
                            const NumberLocale& locale);

// A read-out figure computed in double precision, stored as a single-precision
// label value: two decimals and the suffix ("7.82 m"); empty when it does not
// compute.
std::string figureText(const Outcome<double>& value, std::string_view suffix,
                       const NumberLocale& locale);

// The five results of one refresh tick, as label texts.
struct ResultTexts {
    std::string eirp1;     // lblEIRP1, "##0.00" " dBm"
    std::string eirp2;     // lblEIRP2, "##0.00" " dBm"
    std::string distance;  // lblDistance, "##0.000" " Km"
    std::string freeSpace; // lblFSL, "##0.0" " dB"
    std::string fresnel;   // lblFrensel, "##0.00" " m"
};

// Everything the 200 ms refresh writes, each result computed afresh.
ResultTexts computeResultTexts(const LinkFields& link, const NumberLocale& locale);
// The same from the link's evaluation already at hand.
ResultTexts resultTextsOf(const LinkResults& results, const NumberLocale& locale);

} // namespace tarvanel
