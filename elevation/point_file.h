#pragma once

#include "geo/geo_position.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvanel {

// Sites read from a vector file that GDAL reads: KML placemarks, GeoJSON
// points, GPX waypoints, a shapefile's points... Every layer is read, in
// order; a GPX file's track and route points are left out (they trace the
// tracks and routes, which become rows that say they are lines).

struct PointFeature {
    // The field "name" (any case), else the first text field; may be empty.
    std::string name;
    // WGS84 degrees, converted from the layer's own coordinates; meaningful
    // only when reason is empty.
    Position position;
    std::optional<double> altitudeM; // the point's z, when it has one
    // The other fields that are set, as text (numbers with a point), in the
    // layer's order: a GeoJSON's "ground_m": 412.5 is {"ground_m", "412.5"}.
    std::vector<std::pair<std::string, std::string>> attributes;
    // Why the feature is not a site, in Greek (a line, no position,
    // coordinates out of range); empty for a site.
    std::string reason;
};

struct PointFile {
    std::vector<PointFeature> features;
    // One Greek sentence naming the file and why, when it gives no site at all
    // (missing, damaged, not a vector file, no point in it); no rows then.
    std::string error;
};

using ReadPointFile = void(const std::string& fileUtf8, PointFile& result);
inline constexpr const char* readPointFileSymbol = "tarvanel_read_point_file_v1";

} // namespace tarvanel
