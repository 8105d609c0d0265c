#pragma once

#include "geo/geo_position.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

// The ground along the path between the two ends, read from the user's own
// elevation files. The reading lives in a plugin (it needs GDAL), loaded the
// first time the ground is asked for; elevation/elevation_loader.h finds it.
//
// The folder (and its subfolders) may hold:
//   - SRTM tiles, 1" (3601 x 3601) or 3" (1201 x 1201), named by their
//     south-west corner: N37E023.hgt, also zipped as N37E023.hgt.zip (or
//     N37E023.SRTMGL1.hgt.zip) holding N37E023.hgt;
//   - GeoTIFF elevation models in geographic coordinates (Copernicus GLO-30,
//     ALOS AW3D30): any .tif or .tiff, placed by its own extent.
// Where files overlap, the one with the finest cells is read.
//
// The samples lie on the geodesic between the ends, equally spaced, no farther
// apart than the cells of the files met (their smaller side in metres), each
// interpolated bilinearly from the four cells around it. A very long path gets
// at most maxElevationSamples samples, spaced wider than the cells.

struct ElevationRequest {
    std::string folderUtf8;
    Position end1, end2;
};

struct GroundSample {
    double km = 0.0;      // from end 1
    double groundM = 0.0; // above sea level
};

struct ElevationProfile {
    std::optional<double> ground1M, ground2M; // at each end, m above sea level
    std::vector<GroundSample> samples;        // strictly between the ends, by km
    double spacingM = 0.0;                    // between samples (0 for equal ends)
    // Tiles that no file covers where the path crosses them ("N37E023.hgt"),
    // sorted; the path has no ground there.
    std::vector<std::string> missingTiles;
    // Files met that GDAL could not read or that are not in geographic
    // coordinates (names without folder).
    std::vector<std::string> unreadableFiles;
    // Void cells met (-32768 or the file's nodata); a point whose ground leans
    // on one is left out.
    std::size_t voidCells = 0;
    // A short Greek sentence naming the folder, file or tile, when nothing at
    // all could be read; empty otherwise.
    std::string error;
};

inline constexpr std::size_t maxElevationSamples = 20000;

// The plugin's one function, exported under sampleElevationSymbol. It throws
// nothing: every failure is told in the profile.
using SampleElevation = void(const ElevationRequest& request, ElevationProfile& profile);
// The version in the name keeps a plugin built against other structs from
// loading.
inline constexpr const char* sampleElevationSymbol = "tarvanel_sample_elevation_v1";

} // namespace tarvanel
