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
    : m_dataset(std::move(dataset))
    , m_band(m_dataset->GetRasterBand(1))
    , m_pixels(m_band) {
    std::array<double, 6> transform{};
    m_dataset->GetGeoTransform(transform.data());
    m_west = transform[0];
    m_north = transform[3];
    m_cellX = transform[1];
    m_cellY = -transform[5];
    m_width = m_dataset->GetRasterXSize();
    m_height = m_dataset->GetRasterYSize();
    int hasNodata = 0;
    const double nodata = m_band->GetNoDataValue(&hasNodata);
    if (hasNodata) m_nodata = nodata;
}

GeoExtent ElevationRaster::extent() const {
    return {m_west, m_north - m_height * m_cellY, m_west + m_width * m_cellX, m_north};
}

double ElevationRaster::cellMetres(double latitude) const {
    const double eastWest =
        m_cellX * metresPerDegree * std::cos(latitude * std::numbers::pi / 180.0);
    return std::min(m_cellY * metresPerDegree, eastWest);
}

bool ElevationRaster::isVoid(double value) const {
    return value == srtmVoid || std::isnan(value) || (m_nodata && value == *m_nodata);
}

std::optional<double> ElevationRaster::groundAt(const Position& p) {
    // Cell centres lie at whole column and row numbers here.
    const double column = std::clamp((p.longitude - m_west) / m_cellX - 0.5, 0.0, m_width - 1.0);
    const double row = std::clamp((m_north - p.latitude) / m_cellY - 0.5, 0.0, m_height - 1.0);
    const int column0 = std::min(static_cast<int>(column), std::max(m_width - 2, 0));
    const int row0 = std::min(static_cast<int>(row), std::max(m_height - 2, 0));
    const double fx = column - column0, fy = row - row0;
    const std::array<double, 4> weights{(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    double ground = 0.0;
    bool voidMet = false;
    for (int corner = 0; corner < 4; ++corner) {
        if (weights[corner] == 0.0) continue; // a cell the point does not lean on
        const int x = column0 + corner % 2, y = row0 + corner / 2;
        bool read = false;
        const double value = m_pixels.Get(x, y, &read);
        if (!read) return std::nullopt;
        if (isVoid(value)) {
            m_voids.insert({x, y});
            voidMet = true;
        }
        ground += weights[corner] * value;
    }
    if (voidMet) return std::nullopt;
    return ground;
}

} // namespace tarvanel
