#pragma once

#include "elevation/point_file.h"
#include "numbers/number_locale.h"
#include "plan/site.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvanel {

// Sites read from a CSV file or a block pasted from a spreadsheet, and from
// the points of a vector file (KML, GeoJSON, GPX, read by the elevation
// plugin).
//
// A block: one site a line, the cells split as the ground profile's table
// splits them (engine/profile_rows.h: a tab, else a semicolon, else a comma
// between cells; quoted cells; blank lines skipped). A first line holding a
// cell "name" and either "position" or both "lat" and "lon" ("latitude",
// "longitude", "lng"; any case) is a header: it says which cell is which, by
// the keys of site_columns.h (ground_m, mast_m, power, power_unit, gain_dbi,
// cable_loss_db_per_m, cable_length_m, connectors, sensitivity_dbm); other
// columns are left out. Without a header the cells are in the sites table's
// order. Latitude and longitude cells are joined into the position with "; ",
// so either decimal mark reads:
//
//   name;lat;lon;ground_m;mast_m        A at "37,97552; 23,73484", ground 100,
//   A;37,97552;23,73484;100;20          mast 20, the radio the caller gives
//   B;38.02;abc;100;15                  a row that does not read: "Θέση: ..."
//
// A point of a vector file gives its name, its position (written with the
// locale's decimal mark) and the fields named by the keys above; its height
// (a GPX <ele>, a KML altitude) is the ground when no ground_m field is set,
// unless the file says it is the antenna's (a field kAntennaHeightKey, as
// the plan's export writes it: its ground then is its ground_m alone).

inline constexpr const char* kAntennaHeightKey = "antenna_asl_m";

struct SiteRow {
    std::size_t line = 0; // in the text read, from 1; for a vector file, its feature's place
    Site site;            // the texts read, over the radio given (id 0)
    // Why the row is not a site, in Greek; empty for a site.
    std::string problem;
};

// `radio` gives the columns a row leaves out (a new site's settings).
std::vector<SiteRow> readSiteRows(std::string_view text, const Site& radio,
                                  const NumberLocale& locale);
std::vector<SiteRow> siteRowsOf(const std::vector<PointFeature>& features, const Site& radio,
                                const NumberLocale& locale);

} // namespace tarvanel
