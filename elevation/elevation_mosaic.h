#pragma once

#include "elevation/elevation_folder.h"

#include <gdal_priv.h>

#include <string>
#include <vector>

namespace tarvanel {

// The folder's files that reach into an area, opened, for gdalwarp to lay
// into one grid: coarsest first, so that finer files lie over them. (GDAL
// 3.6's gdalbuildvrt would leave out a file whose cells are of another type,
// a 1" SRTM tile of integers beside a GeoTIFF of reals; gdalwarp mosaics
// them as they are.)
struct Mosaic {
    std::vector<GDALDatasetUniquePtr> files; // empty when none that reads reaches the area
    double cellDegrees = 0.0;                // the finest file's cell (square root of its area)
    std::vector<std::string> missingTiles;
};
Mosaic mosaicOver(const ElevationFolder& folder, const GeoExtent& area);

// gdalwarp of the sources, in order, with these arguments into memory; null
// when it fails or the progress function cancels it.
GDALDatasetUniquePtr warped(const std::vector<GDALDataset*>& sources,
                            const std::vector<std::string>& arguments,
                            GDALProgressFunc progress = nullptr, void* progressData = nullptr);
GDALDatasetUniquePtr warped(const Mosaic& mosaic, const std::vector<std::string>& arguments,
                            GDALProgressFunc progress = nullptr, void* progressData = nullptr);

// The heights on an equirectangular grid over the area, width x height cells
// from the north-west, each cell's from GDAL's bilinear resampling read (a
// wider kernel when cells are coarser than the file's), the files laid
// coarsest first; srtmVoid where no file gives a height. Three times quicker
// than gdalwarp when no reprojection is needed.
std::vector<float> laidOnGrid(const Mosaic& mosaic, const GeoExtent& area, int width, int height);

// Whether a map's picture can be drawn over the area at this size: the area
// within -180..180 and -90..90, west before east and south before north, and
// 1 to 8192 pixels each way.
bool validPicture(const GeoExtent& area, int widthPx, int heightPx);

// A number as GDAL's tools read it, whatever the locale: "23.5", "-1e-05".
std::string gdalNumber(double value);

} // namespace tarvanel
