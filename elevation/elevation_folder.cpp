#include "elevation/elevation_folder.h"

#include <cpl_vsi.h>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace tarvanel {

namespace fs = std::filesystem;

namespace {
constexpr double degreesPerSecond = 1.0 / 3600.0;

bool endsWith(const std::string& lowerName, std::string_view ending) {
    return lowerName.size() > ending.size() && lowerName.ends_with(ending);
}

// 1" tiles are 3601 x 3601 cells of two bytes, 3" tiles 1201 x 1201; a size
// that is neither is left for GDAL to refuse.
double tileCellArea(std::uint64_t bytes) {
    const double cell = bytes == 3601ull * 3601 * 2 ? degreesPerSecond : 3 * degreesPerSecond;
    return cell * cell;
}
} // namespace

ElevationFolder::ElevationFolder(const fs::path& folder) {
    std::error_code error;
    fs::recursive_directory_iterator entry(folder, fs::directory_options::skip_permission_denied,
                                           error);
    if (error || !fs::is_directory(folder, error)) return;
    m_listed = true;
    for (; entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        if (error) break;
        if (!entry->is_regular_file(error)) continue;
        std::string lower = entry->path().filename().string();
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        const bool zipped = endsWith(lower, ".hgt.zip");
        if (zipped || endsWith(lower, ".hgt")) {
            if (const auto corner = readTileName(lower)) addTile(entry->path(), *corner, zipped);
        } else if (endsWith(lower, ".tif") || endsWith(lower, ".tiff")) {
            addGeoTiff(entry->path());
        }
    }
    // Finest first, then by name, so that the same folder reads the same way.
    std::stable_sort(m_sources.begin(), m_sources.end(), [](const Source& a, const Source& b) {
        return std::tie(a.cellArea, a.gdalPath) < std::tie(b.cellArea, b.gdalPath);
    });
    for (Source& source : m_sources) {
        const GeoExtent& e = source.extent;
        const TileCorner from = tileAt(std::max(e.south, -90.0), std::max(e.west, -180.0));
        const TileCorner to = tileAt(std::min(e.north, 89.0), std::min(e.east, 179.0));
        for (int latitude = from.latitude; latitude <= to.latitude; ++latitude)
            for (int longitude = from.longitude; longitude <= to.longitude; ++longitude)
                m_index[{latitude, longitude}].push_back(&source);
    }
}

void ElevationFolder::addTile(const fs::path& file, TileCorner corner, bool zipped) {
    Source source;
    source.name = file.filename().string();
    // The zip holds the tile under its own name: N37E023.hgt.
    source.gdalPath =
        zipped ? "/vsizip/" + file.string() + "/" + file.filename().string().substr(0, 7) + ".hgt"
               : file.string();
    VSIStatBufL stat{};
    source.cellArea = VSIStatL(source.gdalPath.c_str(), &stat) == 0
                          ? tileCellArea(static_cast<std::uint64_t>(stat.st_size))
                          : tileCellArea(0);
    source.extent = {double(corner.longitude), double(corner.latitude), corner.longitude + 1.0,
                     corner.latitude + 1.0};
    m_sources.push_back(std::move(source));
}

void ElevationFolder::addGeoTiff(const fs::path& file) {
    const auto raster = ElevationRaster::open(file.string());
    if (!raster) {
        m_unreadable.insert(file.filename().string());
        m_unreadableWhenListed.insert(file.filename().string());
        return;
    }
    Source source;
    source.name = file.filename().string();
    source.gdalPath = file.string();
    source.extent = raster->extent();
    source.cellArea = raster->cellArea();
    m_sources.push_back(std::move(source)); // closed again: opened when a point needs it
}

void ElevationFolder::beginRequest() {
    m_missing.clear();
    m_unreadable = m_unreadableWhenListed;
    m_unreadableOnPath.clear();
    for (Source& source : m_sources)
        if (source.raster) source.raster->forgetVoids();
}

ElevationRaster* ElevationFolder::opened(Source& source) {
    if (!source.raster && !source.unreadable) {
        source.raster = ElevationRaster::open(source.gdalPath);
        source.unreadable = !source.raster;
    }
    if (source.unreadable) {
        m_unreadable.insert(source.name);
        if (m_unreadableOnPath.empty()) m_unreadableOnPath = source.name;
    }
    return source.raster.get();
}

ElevationRaster* ElevationFolder::rasterAt(const Position& p) {
    const TileCorner tile = tileAt(p.latitude, p.longitude);
    const auto found = m_index.find(tile);
    bool covered = false;
    if (found != m_index.end()) {
        for (Source* source : found->second) {
            if (!source->extent.covers(p)) continue;
            covered = true;
            if (ElevationRaster* raster = opened(*source)) return raster;
        }
    }
    if (!covered) m_missing.insert(srtmTileName(tile) + ".hgt");
    return nullptr;
}

std::size_t ElevationFolder::voidCells() const {
    std::size_t cells = 0;
    for (const Source& source : m_sources)
        if (source.raster) cells += source.raster->voidCells();
    return cells;
}

ElevationFolder::Covering ElevationFolder::covering(const GeoExtent& area) const {
    Covering covering;
    for (auto source = m_sources.rbegin(); source != m_sources.rend(); ++source) {
        if (!source->extent.overlaps(area) || source->unreadable) continue;
        covering.gdalPaths.push_back(source->gdalPath);
        covering.finestCellArea = source->cellArea;
    }
    const auto first = [](double from, double low) {
        return std::max(int(std::floor(from)), int(low));
    };
    const auto last = [](double to, double high) {
        return std::min(int(std::ceil(to)) - 1, int(high));
    };
    for (int latitude = first(area.south, -90); latitude <= last(area.north, 89); ++latitude)
        for (int longitude = first(area.west, -180); longitude <= last(area.east, 179);
             ++longitude) {
            const GeoExtent square{double(longitude), double(latitude), longitude + 1.0,
                                   latitude + 1.0};
            if (std::none_of(m_sources.begin(), m_sources.end(),
                             [&](const Source& source) { return source.extent.overlaps(square); }))
                covering.missingTiles.push_back(srtmTileName({latitude, longitude}) + ".hgt");
        }
    std::sort(covering.missingTiles.begin(), covering.missingTiles.end());
    return covering;
}

std::string ElevationFolder::fileWithVoids() const {
    for (const Source& source : m_sources)
        if (source.raster && source.raster->voidCells() > 0) return source.name;
    return {};
}

} // namespace tarvanel
