#include "elevation/ground_along_path.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvanel {

namespace {
// Where the files are first looked at for the size of their cells.
constexpr double surveyStepM = 1000.0;
// The spacing where no file is met: a 3" cell, so that the tiles missing are
// all named.
constexpr double fallbackSpacingM = 3.0 / 3600.0 * metresPerDegree;

struct Path {
    GeographicLib::GeodesicLine line;
    Position at(double metres) const {
        Position p;
        line.Position(metres, p.latitude, p.longitude);
        return p;
    }
};

std::optional<double> groundAt(ElevationFolder& folder, const Position& p) {
    ElevationRaster* raster = folder.rasterAt(p);
    return raster ? raster->groundAt(p) : std::nullopt;
}

// The smallest cell of the files met every kilometre or so along the path.
double smallestCellM(const Path& path, ElevationFolder& folder) {
    const double metres = path.line.Distance();
    const auto steps = static_cast<std::size_t>(
        std::clamp(std::ceil(metres / surveyStepM), 1.0, static_cast<double>(maxElevationSamples)));
    double smallest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i <= steps; ++i) {
        const Position p = path.at(metres * static_cast<double>(i) / static_cast<double>(steps));
        if (const ElevationRaster* raster = folder.rasterAt(p))
            smallest = std::min(smallest, raster->cellMetres(p.latitude));
    }
    return std::isfinite(smallest) ? smallest : fallbackSpacingM;
}
} // namespace

void groundAlongPath(const ElevationRequest& request, ElevationFolder& folder,
                     ElevationProfile& profile) {
    const Path path{GeographicLib::Geodesic::WGS84().InverseLine(
        request.end1.latitude, request.end1.longitude, request.end2.latitude,
        request.end2.longitude)};
    profile.ground1M = groundAt(folder, request.end1);
    profile.ground2M = groundAt(folder, request.end2);
    const double metres = path.line.Distance();
    if (!(metres > 0.0)) return;

    const double cells = std::ceil(metres / smallestCellM(path, folder));
    const auto intervals = static_cast<std::size_t>(
        std::clamp(cells, 1.0, static_cast<double>(maxElevationSamples + 1)));
    profile.spacingM = metres / static_cast<double>(intervals);
    profile.samples.reserve(intervals - 1);
    for (std::size_t i = 1; i < intervals; ++i) {
        const double along = metres * static_cast<double>(i) / static_cast<double>(intervals);
        if (const auto ground = groundAt(folder, path.at(along)))
            profile.samples.push_back({along / 1000.0, *ground});
    }
}

} // namespace tarvanel
