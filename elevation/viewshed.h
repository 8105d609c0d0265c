#pragma once

#include "elevation/geo_extent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tarvanel {

// What a mast at a site sees within a radius: every place where a mast of the
// target height would have the site's antenna in sight over the ground, the
// earth bending with the factor k. Worked on a grid in metres centred on the
// site, about as fine as the files' cells.

enum class Sight : std::uint8_t { unknown = 0, hidden = 1, visible = 2 };

struct ViewshedRequest {
    std::string folderUtf8; // the elevation files, as in elevation_sampling.h
    Position site;
    double observerHeightM = 10.0; // the site's antenna above its ground
    double targetHeightM = 10.0;   // the far antenna above its ground
    double radiusM = 20000.0;      // up to 100 km
    double earthFactorK = 4.0 / 3.0;
    std::vector<Position> queries; // places to answer for
    // Called with the share done, 0 to 1; answering false cancels. May be
    // empty. Called on the caller's thread.
    std::function<bool(double done)> progress;
};

struct Viewshed {
    // The sight of every cell of an equirectangular grid over the radius, rows
    // from the north; unknown beyond the radius and where there is no ground.
    GeoExtent area;
    int widthPx = 0, heightPx = 0;
    std::vector<Sight> cells;
    // For each query: unknown when beyond the radius or without ground.
    std::vector<Sight> queries;
    bool cancelled = false; // through progress: nothing else is filled then
    std::vector<std::string> missingTiles;
    std::string error; // Greek, naming the folder, when nothing was worked out
};

using ComputeViewshed = void(const ViewshedRequest& request, Viewshed& result);
inline constexpr const char* computeViewshedSymbol = "tarvanel_compute_viewshed_v1";

} // namespace tarvanel
