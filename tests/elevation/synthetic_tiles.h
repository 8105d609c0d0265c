#pragma once
// Elevation files the tests and benchmarks write themselves.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>

namespace tarvanel {

using Shape = std::function<double(double latitude, double longitude)>;

// A cone 1100 m high at 37.5 N 23.5 E, falling 4 m every 100 m.
inline double cone(double latitude, double longitude) {
    const double north = (latitude - 37.5) * 111195.0;
    const double east = (longitude - 23.5) * 111195.0 * std::cos(37.5 * std::numbers::pi / 180.0);
    return 1100.0 - 0.04 * std::hypot(north, east);
}

// An SRTM tile: rows of big-endian int16 from north to south, cells centred
// on whole multiples of its step from the south-west corner; 1200 cells a
// degree for a 3" tile (1201 x 1201), 3600 for a 1" tile.
inline std::string hgtBytes(int south, int west, const Shape& shape, int cellsPerDegree = 1200) {
    const int side = cellsPerDegree + 1;
    std::string bytes;
    bytes.reserve(std::size_t(side) * side * 2);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const auto value = static_cast<std::int16_t>(std::lround(shape(
                south + 1 - double(row) / cellsPerDegree, west + double(column) / cellsPerDegree)));
            bytes += static_cast<char>(static_cast<std::uint16_t>(value) >> 8);
            bytes += static_cast<char>(value & 0xff);
        }
    return bytes;
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace tarvanel
