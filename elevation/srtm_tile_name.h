#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvanel {

// The south-west corner of a one-degree SRTM tile, which names it.
struct TileCorner {
    int latitude = 0;
    int longitude = 0;
    auto operator<=>(const TileCorner&) const = default;
};

// The tile holding a point (south-west corner at the floor of each angle).
TileCorner tileAt(double latitude, double longitude);

// "N37E023", "S34W071": the name without extension.
std::string srtmTileName(TileCorner corner);

// The corner named at the start of a file name, any case ("N37E023.hgt",
// "n37e023.SRTMGL1.hgt.zip"); none when the name does not start with one or
// the corner is out of range.
std::optional<TileCorner> readTileName(std::string_view fileName);

} // namespace tarvanel
