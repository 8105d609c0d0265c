#pragma once

#include "elevation/elevation_raster.h"
#include "elevation/srtm_tile_name.h"

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tarvanel {

// The elevation files of a folder and its subfolders, and the one to read at
// a point. Files are opened when first needed and closed with the folder.
class ElevationFolder {
public:
    // Lists the folder: SRTM tiles by name (their cells by their size),
    // GeoTIFFs by the extent and cells read from each once.
    explicit ElevationFolder(const std::filesystem::path& folder);

    // False when the folder cannot be read.
    bool listed() const { return m_listed; }
    // Forgets what the previous request met (missing tiles, files that did
    // not read, void cells), so that each request of a session is told its
    // own; files stay open.
    void beginRequest();
    // The file with the finest cells covering the point; null when none
    // covers it (its tile is noted missing) or none of those that do can be
    // read (noted unreadable).
    ElevationRaster* rasterAt(const Position& p);

    std::vector<std::string> missingTiles() const { return {m_missing.begin(), m_missing.end()}; }
    std::vector<std::string> unreadableFiles() const {
        return {m_unreadable.begin(), m_unreadable.end()};
    }
    // The first file that a point needed and that could not be read; empty if
    // none.
    const std::string& unreadableOnPath() const { return m_unreadableOnPath; }
    // Void cells met in all files, and the name of the first file with any.
    std::size_t voidCells() const;
    std::string fileWithVoids() const;

    struct Covering {
        std::vector<std::string> gdalPaths;    // coarsest first, so that finer ones lie over them
        double finestCellArea = 0.0;           // square degrees
        std::vector<std::string> missingTiles; // one-degree squares that no file reaches, sorted
    };
    // The files that reach into the area, for GDAL to read as one mosaic.
    Covering covering(const GeoExtent& area) const;

private:
    struct Source {
        std::string gdalPath;
        std::string name; // as the user sees it
        GeoExtent extent;
        double cellArea = 0.0;
        std::unique_ptr<ElevationRaster> raster; // once opened
        bool unreadable = false;
    };
    void addTile(const std::filesystem::path& file, TileCorner corner, bool zipped);
    void addGeoTiff(const std::filesystem::path& file);
    ElevationRaster* opened(Source& source);

    bool m_listed = false;
    std::vector<Source> m_sources;                      // finest cells first
    std::map<TileCorner, std::vector<Source*>> m_index; // by each one-degree square met
    std::set<std::string> m_missing, m_unreadable;
    std::set<std::string> m_unreadableWhenListed;
    std::string m_unreadableOnPath;
};

} // namespace tarvanel
