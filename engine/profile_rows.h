#pragma once

#include "engine/terrain_profile.h"
#include "numbers/number_locale.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvanel {

// Reading a ground profile pasted from a spreadsheet or read from a CSV file:
// one point a line, its distance from end 1 (km), its ground elevation (m above
// sea level) and, optionally, its clutter (m above the ground; 0 when absent or
// empty). Numbers follow the number rule (toDouble): a point, a comma or the
// locale's separator is the decimal mark.
//
// Between columns: a tab, a semicolon or a comma, one for the whole text: a
// tab when any line has one, else a semicolon when any line has one, else a
// comma. A comma is also a decimal mark, so commas between columns with
// decimal commas are ambiguous; they are never guessed at: "1,5;120,3" and
// "1,5<tab>120,3" read 1.5 km, 120.3 m; "1.5,120.3,10" reads three columns;
// "1,5,120,3" has four, a bad row. A cell may be quoted, as spreadsheets write
// a comma-separated file with decimal commas ("1,5","120,3"): a separator
// inside quotes does not split.
//
// Skipped: blank lines, a UTF-8 byte-order mark, and a header before the first
// row (distance_km, ground_m and optionally clutter_m, between any of the
// separators). Lines may end in \r\n.
struct ProfileRow {
    std::size_t line = 0;              // 1-based, in the text read
    std::vector<std::string> cells;    // as typed, between the separators
    std::optional<TerrainPoint> point; // missing: not 2 or 3 numbers (a bad row)
};

std::vector<ProfileRow> readProfileRows(std::string_view text, const NumberLocale& locale);

// The good rows' points by distance from end 1 (equal distances keep their order).
std::vector<TerrainPoint> sortedPoints(const std::vector<ProfileRow>& rows);

} // namespace tarvanel
