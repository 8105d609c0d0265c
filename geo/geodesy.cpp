#include "geo/geodesy.h"

#include <GeographicLib/Geodesic.hpp>

#include <cmath>

namespace tarvanel {

namespace {
bool inRange(const Position& p) {
    return std::fabs(p.latitude) <= 90.0 && std::fabs(p.longitude) <= 180.0;
}
} // namespace

Outcome<GeodesicPath> geodesicBetween(const Position& end1, const Position& end2) {
    if (!inRange(end1) || !inRange(end2)) return Failed{EngineError::InvalidOperation};
    double metres = 0.0, azimuth1 = 0.0, azimuth2 = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(end1.latitude, end1.longitude, end2.latitude,
                                             end2.longitude, metres, azimuth1, azimuth2);
    GeodesicPath path;
    path.distanceKm = metres / 1000.0;
    // Both ends at one point (or both at one pole): no direction to speak of.
    if (metres > 0.0) {
        path.bearing1 = wrapBearing(azimuth1);
        // azimuth2 is the heading on arrival, away from end 1: turn it round.
        path.bearing2 = wrapBearing(azimuth2 + 180.0);
    }
    return {path};
}

Outcome<GeodesicStep> geodesicStep(const Position& start, double bearing, double km) {
    if (!inRange(start) || !std::isfinite(bearing) || !std::isfinite(km))
        return Failed{EngineError::InvalidOperation};
    GeodesicStep step;
    GeographicLib::Geodesic::WGS84().Direct(start.latitude, start.longitude, bearing, km * 1000.0,
                                            step.position.latitude, step.position.longitude,
                                            step.bearing);
    step.bearing = wrapBearing(step.bearing);
    return {step};
}

double wrapBearing(double degrees) {
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0.0) wrapped += 360.0;           // -1e-20 + 360 rounds to 360 itself
    return wrapped >= 360.0 ? 0.0 : wrapped + 0.0; // + 0.0: no -0
}

double magneticBearing(double trueBearing, double declination) {
    return wrapBearing(trueBearing - declination);
}

double bearingForDisplay(double degrees, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return wrapBearing(std::round(degrees * scale) / scale);
}

} // namespace tarvanel
