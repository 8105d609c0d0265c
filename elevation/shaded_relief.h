#pragma once

#include "elevation/geo_extent.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

// The ground of an area as a picture for a map: north up, equirectangular
// (every pixel the same step in longitude and the same in latitude), shaded
// by a light from the north-west 45° up and tinted by height, from green
// lowlands through brown to white peaks. The sea (0 m and below) and places
// without ground are a flat pale blue-grey.

struct ReliefRequest {
    std::string folderUtf8; // the elevation files, as in elevation_sampling.h
    GeoExtent area;
    int widthPx = 0, heightPx = 0; // 1 to 8192 each
};

struct ShadedRelief {
    int widthPx = 0, heightPx = 0;
    // R, G, B, A bytes a pixel, rows from the north (QImage::Format_RGBA8888).
    std::vector<std::uint8_t> rgba;
    std::optional<double> lowestM, highestM; // the heights drawn
    std::vector<std::string> missingTiles;   // "N38E023.hgt", sorted
    std::string error;                       // Greek, naming the folder, when nothing is drawn
};

using ShadeRelief = void(const ReliefRequest& request, ShadedRelief& result);
inline constexpr const char* shadeReliefSymbol = "tarvanel_shade_relief_v1";

} // namespace tarvanel
