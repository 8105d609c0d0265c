#include "elevation/elevation_raster.h"

#include <ogr_spatialref.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tarvanel {

namespace {
// The two drivers for the files read: nothing else claims a file.
constexpr std::array<const char*, 3> drivers{"SRTMHGT", "GTiff", nullptr};
} // namespace

GDALDatasetUniquePtr openElevationFile(const std::string& gdalPath) {
    return GDALDatasetUniquePtr(
        GDALDataset::Open(gdalPath.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY, drivers.data()));
}

std::unique_ptr<ElevationRaster> ElevationRaster::open(const std::string& gdalPath) {
    GDALDatasetUniquePtr dataset = openElevationFile(gdalPath);
    if (!dataset || dataset->GetRasterCount() < 1 || dataset->GetRasterXSize() < 1 ||
        dataset->GetRasterYSize() < 1)
        return nullptr;
    std::array<double, 6> transform{};
    const OGRSpatialReference* crs = dataset->GetSpatialRef();
    if (dataset->GetGeoTransform(transform.data()) != CE_None || !crs || !crs->IsGeographic())
        return nullptr;
    // North up, not rotated.
    if (transform[2] != 0.0 || transform[4] != 0.0 || !(transform[1] > 0.0) ||
        !(transform[5] < 0.0))
        return nullptr;
    return std::unique_ptr<ElevationRaster>(new ElevationRaster(std::move(dataset)));
}

ElevationRaster::ElevationRaster(GDALDatasetUniquePtr dataset)
    : dataset_(std::move(dataset))
    , band_(dataset_->GetRasterBand(1))
    , pixels_(band_) {
    std::array<double, 6> transform{};
    dataset_->GetGeoTransform(transform.data());
    west_ = transform[0];
    north_ = transform[3];
    cellX_ = transform[1];
    cellY_ = -transform[5];
    width_ = dataset_->GetRasterXSize();
    height_ = dataset_->GetRasterYSize();
    int hasNodata = 0;
    const double nodata = band_->GetNoDataValue(&hasNodata);
    if (hasNodata) nodata_ = nodata;
}

GeoExtent ElevationRaster::extent() const {
    return {west_, north_ - height_ * cellY_, west_ + width_ * cellX_, north_};
}

double ElevationRaster::cellMetres(double latitude) const {
    const double eastWest =
        cellX_ * metresPerDegree * std::cos(latitude * std::numbers::pi / 180.0);
    return std::min(cellY_ * metresPerDegree, eastWest);
}

bool ElevationRaster::isVoid(double value) const {
    return value == srtmVoid || std::isnan(value) || (nodata_ && value == *nodata_);
}

std::optional<double> ElevationRaster::groundAt(const Position& p) {
    // Cell centres lie at whole column and row numbers here.
    const double column = std::clamp((p.longitude - west_) / cellX_ - 0.5, 0.0, width_ - 1.0);
    const double row = std::clamp((north_ - p.latitude) / cellY_ - 0.5, 0.0, height_ - 1.0);
    const int column0 = std::min(static_cast<int>(column), std::max(width_ - 2, 0));
    const int row0 = std::min(static_cast<int>(row), std::max(height_ - 2, 0));
    const double fx = column - column0, fy = row - row0;
    const std::array<double, 4> weights{(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    double ground = 0.0;
    bool voidMet = false;
    for (int corner = 0; corner < 4; ++corner) {
        if (weights[corner] == 0.0) continue; // a cell the point does not lean on
        const int x = column0 + corner % 2, y = row0 + corner / 2;
        bool read = false;
        const double value = pixels_.Get(x, y, &read);
        if (!read) return std::nullopt;
        if (isVoid(value)) {
            voids_.insert({x, y});
            voidMet = true;
        }
        ground += weights[corner] * value;
    }
    if (voidMet) return std::nullopt;
    return ground;
}

} // namespace tarvanel
