#pragma once

#include "engine/link_budget.h"
#include "numbers/number_locale.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvanel {

// The red underline under a link end's power unit, "dBm" or "mW", follows the
// unit. Twips, 15 a pixel.
inline constexpr float kUnderlineDbmX1 = 2920.0f;
inline constexpr float kUnderlineDbmX2 = 3380.0f;
inline constexpr float kUnderlineMwX1 = 3700.0f;
inline constexpr float kUnderlineMwX2 = 4080.0f;

// Where a link end's underline lies for a unit, in twips.
struct UnderlineEnds {
    float x1;
    float x2;
};

// The underline span under the unit's picture: dBm 2920..3380, mW 3700..4080.
UnderlineEnds underlineEndsFor(PowerUnit unit);

// The unit word of the link end's unit label: "dBm" or "mWatts".
std::string_view unitWord(PowerUnit unit);

// A dBm text as milliwatts, 10^(d/10): "##0.00" from 1 mW up ("100.00",
// "31.62"), three significant digits below ("0.00501", "0.5"), so that small
// powers survive the way back. Nothing (the field stays) when the text is not
// numeric or the power does not read back as a positive number.
std::optional<std::string> dbmTextToMilliwatts(std::string_view dbmText,
                                               const NumberLocale& locale);

// A milliwatt text as dBm, 10 log10(p) as the power reading converts it,
// "##0.00". Nothing when the text is not numeric or the power is not positive.
std::optional<std::string> milliwattTextToDbm(std::string_view milliwattText,
                                              const NumberLocale& locale);

// The field's text in `target` when it now holds a power in the other unit.
std::optional<std::string> convertPowerText(std::string_view text, PowerUnit target,
                                            const NumberLocale& locale);

} // namespace tarvanel
