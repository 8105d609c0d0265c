#pragma once

#include "geo/geo_position.h"
#include "numbers/outcome.h"

#include <optional>

namespace tarvanel {

// The shortest path between the two ends on the WGS84 ellipsoid, and the true
// bearing (degrees from true north, clockwise, 0 <= b < 360) at each end
// toward the other. Equal positions have no bearings.
//
// Worked figures: 37.97552, 23.73484 to 38.02000, 23.78000 is 6.333 km;
// 38.8 degrees at end 1, 218.8 at end 2 (with a declination of 5 degrees
// east: 33.8 and 213.8 magnetic).
struct GeodesicPath {
    double distanceKm = 0.0;
    std::optional<double> bearing1; // at end 1, toward end 2
    std::optional<double> bearing2; // at end 2, toward end 1
};

// InvalidOperation for a latitude beyond +-90 or a longitude beyond +-180 (or
// not finite); readPosition never gives one.
Outcome<GeodesicPath> geodesicBetween(const Position& end1, const Position& end2);

// Where a geodesic from `start`, leaving it on the true bearing `bearing`,
// is after `km`, and its true bearing there (onward). 6.333 km from
// 37.97552, 23.73484 on 38.8 degrees is about 38.02000, 23.78000.
struct GeodesicStep {
    Position position;
    double bearing = 0.0;
};
Outcome<GeodesicStep> geodesicStep(const Position& start, double bearing, double km);

// A finite angle in degrees wrapped to [0, 360): -90 -> 270, 360 -> 0.
double wrapBearing(double degrees);

// The magnetic bearing from a true bearing and the magnetic declination
// (degrees, east positive): true - declination, wrapped. 2 with 5 east: 357.
double magneticBearing(double trueBearing, double declination);

// A bearing rounded to the decimals it is shown with, then wrapped, so that it
// never shows as 360: 359.96 with one decimal is 0.0, 359.94 is 359.9.
double bearingForDisplay(double degrees, int decimals);

} // namespace tarvanel
