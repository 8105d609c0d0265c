#include "elevation/elevation_mosaic.h"

#include <gdal_utils.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <memory>

namespace tarvanel {

std::string gdalNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

bool validPicture(const GeoExtent& a, int widthPx, int heightPx) {
    constexpr int largestSidePx = 8192;
    return a.west >= -180.0 && a.west < a.east && a.east <= 180.0 && a.south >= -90.0 &&
           a.south < a.north && a.north <= 90.0 && widthPx >= 1 && widthPx <= largestSidePx &&
           heightPx >= 1 && heightPx <= largestSidePx;
}

Mosaic mosaicOver(const ElevationFolder& folder, const GeoExtent& area) {
    ElevationFolder::Covering covering = folder.covering(area);
    Mosaic mosaic;
    mosaic.missingTiles = std::move(covering.missingTiles);
    for (const std::string& path : covering.gdalPaths)
        if (GDALDatasetUniquePtr file = openElevationFile(path))
            mosaic.files.push_back(std::move(file));
    mosaic.cellDegrees = std::sqrt(covering.finestCellArea);
    return mosaic;
}

namespace {
// The file's cells under the grid's cells, read with resampling and laid
// over the grid where the file has a height.
void layFile(GDALDataset& file, const GeoExtent& area, int width, int height,
             std::vector<float>& grid) {
    double to[6];
    if (file.GetGeoTransform(to) != CE_None) return;
    const double cellX = (area.east - area.west) / width,
                 cellY = (area.north - area.south) / height;
    const double fileX = file.GetRasterXSize(), fileY = file.GetRasterYSize();
    // The grid's cells whose centres the file covers, and the file's
    // fractional cells under them.
    const auto firstCell = [](double edge) { return std::max(0, int(std::ceil(edge - 0.5))); };
    const auto endCell = [](double edge, int cells) {
        return std::min(cells, int(std::floor(edge - 0.5)) + 1);
    };
    const int column0 = firstCell((to[0] - area.west) / cellX);
    const int column1 = endCell((to[0] + fileX * to[1] - area.west) / cellX, width);
    const int row0 = firstCell((area.north - to[3]) / cellY);
    const int row1 = endCell((area.north - to[3] - fileY * to[5]) / cellY, height);
    if (column0 >= column1 || row0 >= row1) return;
    const double x0 = std::clamp((area.west + column0 * cellX - to[0]) / to[1], 0.0, fileX);
    const double x1 = std::clamp((area.west + column1 * cellX - to[0]) / to[1], 0.0, fileX);
    const double y0 = std::clamp((area.north - row0 * cellY - to[3]) / to[5], 0.0, fileY);
    const double y1 = std::clamp((area.north - row1 * cellY - to[3]) / to[5], 0.0, fileY);
    GDALRasterIOExtraArg window;
    INIT_RASTERIO_EXTRA_ARG(window);
    window.eResampleAlg = GRIORA_Bilinear;
    window.bFloatingPointWindowValidity = TRUE;
    window.dfXOff = x0;
    window.dfYOff = y0;
    window.dfXSize = x1 - x0;
    window.dfYSize = y1 - y0;
    const int x = int(x0), y = int(y0);
    const int columns = column1 - column0, rows = row1 - row0;
    std::vector<float> part(std::size_t(columns) * rows);
    GDALRasterBand& band = *file.GetRasterBand(1);
    if (band.RasterIO(GF_Read, x, y, std::max(1, int(std::ceil(x1)) - x),
                      std::max(1, int(std::ceil(y1)) - y), part.data(), columns, rows, GDT_Float32,
                      0, 0, &window) != CE_None)
        return;
    int hasNodata = 0;
    const double nodata = band.GetNoDataValue(&hasNodata);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            const float value = part[std::size_t(row) * columns + column];
            if (!std::isnan(value) && value != srtmVoid && !(hasNodata && value == nodata))
                grid[std::size_t(row0 + row) * width + column0 + column] = value;
        }
}
} // namespace

std::vector<float> laidOnGrid(const Mosaic& mosaic, const GeoExtent& area, int width, int height) {
    std::vector<float> grid(std::size_t(width) * height, float(srtmVoid));
    for (const GDALDatasetUniquePtr& file : mosaic.files)
        layFile(*file, area, width, height, grid);
    return grid;
}

GDALDatasetUniquePtr warped(const std::vector<GDALDataset*>& sources,
                            const std::vector<std::string>& arguments, GDALProgressFunc progress,
                            void* progressData) {
    std::vector<char*> list{const_cast<char*>("-of"), const_cast<char*>("MEM")};
    for (const std::string& argument : arguments)
        list.push_back(const_cast<char*>(argument.c_str()));
    list.push_back(nullptr);
    const std::unique_ptr<GDALWarpAppOptions, decltype(&GDALWarpAppOptionsFree)> options(
        GDALWarpAppOptionsNew(list.data(), nullptr), GDALWarpAppOptionsFree);
    if (!options) return nullptr;
    if (progress) GDALWarpAppOptionsSetProgress(options.get(), progress, progressData);
    std::vector<GDALDatasetH> handles;
    for (GDALDataset* source : sources)
        handles.push_back(GDALDataset::ToHandle(source));
    return GDALDatasetUniquePtr(GDALDataset::FromHandle(GDALWarp(
        "", nullptr, static_cast<int>(handles.size()), handles.data(), options.get(), nullptr)));
}

GDALDatasetUniquePtr warped(const Mosaic& mosaic, const std::vector<std::string>& arguments,
                            GDALProgressFunc progress, void* progressData) {
    std::vector<GDALDataset*> sources;
    for (const GDALDatasetUniquePtr& file : mosaic.files)
        sources.push_back(file.get());
    return warped(sources, arguments, progress, progressData);
}

} // namespace tarvanel
