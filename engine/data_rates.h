#pragma once

#include "band/band.h"
#include "engine/budget_figures.h"
#include "numbers/number_locale.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvanel {

// The data rates a link keeps: for each rate of a standard, the sensitivity it
// needs, how far it reaches with the fade margin and its margin at the link
// distance, each the weaker way round; and the best rate.
//
// A rate needs the sensitivity typed for the lowest rate plus the standard's
// step above it (802.11n, MCS1: -80 + (-79 - -82) = -77 dBm), unless its row
// holds a datasheet figure. On the example link (see link_figures.h), 802.11n
// with one stream:
//             sensitivity  greatest distance  margin at 5 km   at 2 km
//   MCS0      -80 dBm      6.061 km           11.67 dB (best)  19.63 dB
//   MCS1      -77          4.291               8.67            16.63
//   MCS3      -72          2.413               3.67            11.63 (best)
//   MCS7      -62          0.763              -6.33             1.63

// The rates on offer are the band's (band/band.h): 802.11g, or 802.11n on a
// 20 MHz channel with one spatial stream (MCS0-7) or two (MCS8-15, twice the
// rates, the same sensitivities).

// What the user typed in a rate's row; an empty text means none. A text that
// does not read as a number makes the row's figures missing.
struct RateOverride {
    std::string sensitivity; // dBm, from a datasheet; its magnitude counts
    std::string power;       // dBm, both ends' transmitter power at this rate

    bool operator==(const RateOverride&) const = default;
};

struct RateRow {
    std::optional<int> mcs; // 802.11n's index; none for 802.11g
    double megabits = 0.0;
    std::optional<double> sensitivityDbm; // in force, negative
    std::optional<double> greatestKm;     // with the fade margin, in free space
    std::optional<double> marginDb;       // at the link distance, less the path's extra loss
    bool meetsFadeMargin = false;         // the margin, to two decimals, at least the fade margin
    bool unreadableOverride = false;
};

// When no rate keeps the fade margin: the row nearest to keeping it (the
// slowest, unless a datasheet figure says otherwise) and the dB it lacks. At
// 6.333 km over a profile that costs 33.25 dB the example link's MCS0 has a
// margin of -23.63 dB: it lacks 33.63 dB.
struct RateShortfall {
    std::size_t row = 0;
    double db = 0.0;
};

struct RateTable {
    std::vector<RateRow> rows; // slowest first
    // The fastest row that meets the fade margin; none when none does, or when
    // a faster row's margin is missing (it might have met it).
    std::optional<std::size_t> best;
    // Only when every margin and the fade margin are known and none meets it.
    std::optional<RateShortfall> shortfall;
};

// overrides[i] belongs to rows[i]; rows beyond the overrides have none.
RateTable rateTable(const BudgetFigures& link, RateSet set, std::span<const RateOverride> overrides,
                    const NumberLocale& locale, ChannelWidth width = ChannelWidth::MHz20);

} // namespace tarvanel
