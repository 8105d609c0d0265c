#include "elevation/elevation_mosaic.h"

#include <gdal_utils.h>

#include <charconv>
#include <cmath>
#include <memory>

namespace tarvanel {

std::string gdalNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
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
