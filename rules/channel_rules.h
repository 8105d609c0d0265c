#pragma once

#include "numbers/number_locale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvanel {

// The centre frequency in MHz of 2.4 GHz channel n, 2407 + 5n, worked out in
// 16-bit signed steps as (n - 1) x 5 + 2412. Nothing when a step overflows,
// that is for channels outside -6552..6072.
std::optional<std::int16_t> channelFrequencyMHz(std::int16_t channel);

// What the frequency field gets for the channel text of the combo box: the
// frequency with a leading blank when it is 0 or more (" 2412") or an ASCII
// minus ("-93"). The channel is the text read as a 16-bit integer (halves to
// even, so "2,5" is channel 2 in a decimal-comma locale). Nothing (the field
// stays) when the text is not numeric or the channel overflows.
std::optional<std::string> channelFrequencyText(std::string_view channelText,
                                                const NumberLocale& locale);

} // namespace tarvanel
