#pragma once

#include "numbers/number_locale.h"
#include "plan/site.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvanel {

// The columns of a site, in the order the sites table shows them, a spreadsheet
// pastes them without a header and Ctrl+C copies them. Each has the name a CSV
// header or a vector file's field gives it (the plan file's key), the table's
// caption and what it holds.
struct SiteColumn {
    std::string_view key; // "ground_m"
    const char* caption;  // "Έδαφος m"
    const char* toolTip;
    bool numeric; // a number, or empty
};

enum SiteColumnIndex : std::size_t {
    NameColumn,
    PositionColumn,
    GroundColumn,
    MastColumn,
    PowerColumn,
    UnitColumn,
    GainColumn,
    LossColumn,
    LengthColumn,
    ConnectorsColumn,
    SensitivityColumn,
    SiteColumnCount
};

const std::array<SiteColumn, SiteColumnCount>& siteColumns();

// A cell of a site as its text ("dBm" or "mW" for the unit, empty for none).
std::string cellText(const Site& site, std::size_t column);
// Writes a cell as typed; false (and nothing written) for a unit other than
// dBm or mW (any case; empty is dBm).
bool setCell(Site& site, std::size_t column, std::string_view text);

// Why a site's texts do not make a site, in Greek, naming the column ("Θέση:
// Λείπει ο δεύτερος αριθμός..."); empty when they do. The position must read;
// every other number may be empty, else it must read as a number.
std::string siteProblem(const Site& site, const NumberLocale& locale);

} // namespace tarvanel
