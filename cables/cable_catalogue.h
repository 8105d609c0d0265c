#pragma once

#include "engine/link_inputs.h"
#include "numbers/number_locale.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvanel {

// One coaxial cable type of the built-in catalogue.
struct CableType {
    std::string_view displayText; // what the chooser list shows
    float lossPer100m;            // dB per 100 m
};

// The catalogue in the order the chooser shows it (not sorted on purpose).
inline constexpr std::array<CableType, 14> kCableCatalogue{{
    {"WBC240 - 39.83db/100m", 39.83f},
    {"WBC100 - 121.5db/100m", 121.5f},
    {"WBC195 - 57.64db/100m", 57.64f},
    {"WBC200 - 51.65db/100m", 51.65f},
    {"WBC400 - 22.44db/100m", 22.44f},
    {"WBC600 - 14.52db/100m", 14.52f},
    {"LMR900 - 8.6db/100m", 8.6f},
    {"AirCell 7 - 39.9db/100m", 39.9f},
    {"Ecoflex10 - 23.6db/100m", 23.6f},
    {"Aircom Plus - 22.1db/100m", 22.1f},
    {"Ecoflex15 - 16.3db/100m", 16.3f},
    {"1/4'' Hiflex - 18.33db/100m", 18.33f},
    {"RG316 - 100db/100m", 100.0f},
    {"RG213 - 46db/100m", 46.0f},
}};

// Loss in dB per 100 m of the entry in the chooser's row `row` (the
// catalogue's order); 0 for a row the catalogue does not have.
float list_selection(int row);

// Loss per metre as the chooser writes it into a loss field: the loss per
// 100 m divided by 100, in single precision, in the general number form
// ("0.3983", "1", "0,086"). The catalogue's losses are at 2437 MHz
// (band/band.h); at another frequency `atMHz` conductor loss, which grows as
// the square root of the frequency, is most of a coaxial cable's: the loss is
// scaled by sqrt(atMHz / 2437) and written to four decimals (WBC400 at
// 5500 MHz: 0.2244 x 1.5023 = "0.3371").
std::string lossPerMetreText(float lossPer100m, const NumberLocale& locale,
                             std::optional<double> atMHz = std::nullopt);

// The frequency the catalogue is scaled to for a link: its own, while it
// reads as a positive number outside the catalogue's band; none (the figures
// as they are) inside it or without a frequency.
std::optional<double> catalogueScaling(const LinkInputs& inputs, const NumberLocale& locale);

} // namespace tarvanel
