#include "elevation/srtm_tile_name.h"

#include <cmath>
#include <cstdio>

namespace tarvanel {

namespace {
// The hemisphere letter and the digits after it, signed; none if malformed.
std::optional<int> readAngle(std::string_view text, char positive, char negative) {
    const char letter = static_cast<char>(text.front() & ~0x20); // upper case
    if (letter != positive && letter != negative) return std::nullopt;
    int value = 0;
    for (const char digit : text.substr(1)) {
        if (digit < '0' || digit > '9') return std::nullopt;
        value = value * 10 + (digit - '0');
    }
    return letter == positive ? value : -value;
}
} // namespace

TileCorner tileAt(double latitude, double longitude) {
    return {static_cast<int>(std::floor(latitude)), static_cast<int>(std::floor(longitude))};
}

std::string srtmTileName(TileCorner corner) {
    char name[32];
    std::snprintf(name, sizeof name, "%c%02d%c%03d", corner.latitude < 0 ? 'S' : 'N',
                  std::abs(corner.latitude), corner.longitude < 0 ? 'W' : 'E',
                  std::abs(corner.longitude));
    return name;
}

std::optional<TileCorner> readTileName(std::string_view fileName) {
    if (fileName.size() < 7) return std::nullopt;
    const auto latitude = readAngle(fileName.substr(0, 3), 'N', 'S');
    const auto longitude = readAngle(fileName.substr(3, 4), 'E', 'W');
    if (!latitude || !longitude || *latitude < -90 || *latitude > 89 || *longitude < -180 ||
        *longitude > 179)
        return std::nullopt;
    return TileCorner{*latitude, *longitude};
}

} // namespace tarvanel
