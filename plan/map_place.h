#pragma once

namespace tarvanel {

// Where the plan's map was left: the place at its middle, in degrees, and how
// many metres of ground a pixel spans there, north to south.
struct MapPlace {
    double latitude = 0.0;
    double longitude = 0.0;
    double metresPerPixel = 0.0;

    bool operator==(const MapPlace&) const = default;
};

} // namespace tarvanel
