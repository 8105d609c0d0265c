#pragma once

#include "band/band.h"
#include "numbers/number_locale.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvanel {

// The centre frequency in MHz of channel n of a band, base + 5n (band/band.h),
// worked out in 16-bit signed steps as (n - 1) x 5 + (base + 5). Nothing when
// a step overflows: at 2.4 GHz (2412 + 5 (n - 1)) for channels outside
// -6552..6072.
std::optional<std::int16_t> channelFrequencyMHz(std::int16_t channel, Band band = Band::GHz2_4);

// What the frequency field gets for the channel text of the combo box: the
// frequency with a leading blank when it is 0 or more (" 2412") or an ASCII
// minus ("-93"). The channel is the text read as a 16-bit integer (halves to
// even, so "2,5" is channel 2 in a decimal-comma locale). Nothing (the field
// stays) when the text is not numeric or the channel overflows.
std::optional<std::string> channelFrequencyText(std::string_view channelText,
                                                const NumberLocale& locale,
                                                Band band = Band::GHz2_4);

// The items of the channel box for a band and width: each channel it offers
// with a leading blank, " 1" to " 13" at 2.4 GHz, " 42" ... " 155" at 5 GHz
// and 80 MHz.
std::vector<std::string> channelItems(Band band, ChannelWidth width = ChannelWidth::MHz20);

} // namespace tarvanel
