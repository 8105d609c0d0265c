#pragma once

#include "elevation/geo_extent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvanel {

// A map the user already has, laid under the relief: MBTiles or GeoPackage
// tiles, or any georeferenced picture GDAL reads, warped onto the relief's
// kind of grid (north up, equirectangular: every pixel the same step in
// longitude and the same in latitude) over an area. Nothing is downloaded.

struct RasterMapRequest {
    std::string fileUtf8;
    GeoExtent area;
    int widthPx = 0, heightPx = 0; // 1 to 8192 each
};

struct RasterMapPicture {
    int widthPx = 0, heightPx = 0;
    // R, G, B, A bytes a pixel, rows from the north (QImage::Format_RGBA8888);
    // transparent where the map has nothing.
    std::vector<std::uint8_t> rgba;
    std::string error; // Greek, naming the file, when nothing is drawn
};

using ReadRasterMap = void(const RasterMapRequest& request, RasterMapPicture& result);
inline constexpr const char* readRasterMapSymbol = "tarvanel_read_raster_map_v1";

} // namespace tarvanel
