#pragma once

#include "geo/geo_position.h"

namespace tarvanel {

// An area in degrees, west to east and south to north (closed on every side).
struct GeoExtent {
    double west = 0.0, south = 0.0, east = 0.0, north = 0.0;
    bool covers(const Position& p) const {
        return p.latitude >= south && p.latitude <= north && p.longitude >= west &&
               p.longitude <= east;
    }
    // Whether the two share more than an edge.
    bool overlaps(const GeoExtent& other) const {
        return west < other.east && other.west < east && south < other.north && other.south < north;
    }
};

} // namespace tarvanel
