#pragma once

#include "elevation/geo_extent.h"

#include <gdal_priv.h>
#include <gdalcachedpixelaccessor.h>

#include <cstddef>
#include <memory>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <utility>

namespace tarvanel {

// An elevation file opened with the drivers of the files read (SRTM tiles,
// GeoTIFFs): nothing else claims it. Null when GDAL cannot read it.
GDALDatasetUniquePtr openElevationFile(const std::string& gdalPath);

// One elevation file opened with GDAL: its first band, north up, in
// geographic coordinates.
class ElevationRaster {
public:
    // Null when GDAL cannot read the file, it is rotated or not in geographic
    // coordinates. gdalPath may be a /vsizip/ path.
    static std::unique_ptr<ElevationRaster> open(const std::string& gdalPath);

    ElevationRaster(const ElevationRaster&) = delete;
    ElevationRaster& operator=(const ElevationRaster&) = delete;

    // The area of its cells.
    GeoExtent extent() const;
    // A cell's width times its height, in square degrees: the finer, the less.
    double cellArea() const { return m_cellX * m_cellY; }
    // The smaller side of a cell at this latitude, in metres.
    double cellMetres(double latitude) const;
    // The ground at the point, interpolated bilinearly between the centres of
    // the four cells around it (the edge cells' values beyond their centres).
    // None where a cell it leans on is void (noted) or cannot be read.
    std::optional<double> groundAt(const Position& p);
    // Distinct void cells met by groundAt since opened or last forgotten.
    std::size_t voidCells() const { return m_voids.size(); }
    void forgetVoids() { m_voids.clear(); }

private:
    explicit ElevationRaster(GDALDatasetUniquePtr dataset);
    bool isVoid(double value) const;

    GDALDatasetUniquePtr m_dataset;
    GDALRasterBand* m_band;
    // Reads squares of 64 x 64 cells and keeps the last few: a path walks
    // through neighbouring cells.
    GDALCachedPixelAccessor<double, 64> m_pixels;
    double m_west = 0.0, m_north = 0.0;     // outer corner
    double m_cellX = 0.0, m_cellY = 0.0;    // degrees, both positive
    int m_width = 0, m_height = 0;          // cells
    std::optional<double> m_nodata;        // besides -32768
    std::set<std::pair<int, int>> m_voids; // column, row
};

// The height of a void cell in SRTM tiles, also met in GeoTIFFs made from them.
inline constexpr double srtmVoid = -32768.0;

// Metres per degree of latitude on a sphere of the earth's mean radius: near
// enough to choose the spacing of samples.
inline constexpr double metresPerDegree = 6371008.8 * std::numbers::pi / 180.0;

} // namespace tarvanel
