#include "elevation/elevation_mosaic.h"
#include "elevation/elevation_profile.h"
#include "elevation/plugin_jobs.h"

#include <gdal_alg.h>
#include <ogr_spatialref.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

namespace tarvanel {

namespace {
constexpr double largestRadiusM = 100000.0;
// The grid is at most this many cells across, coarser than the files if need be.
constexpr double mostCellsAcross = 4000.0;

// One step of the work, reported to the caller as its share of the whole.
struct ProgressStep {
    const std::function<bool(double)>& report;
    bool& cancelled;
    double from, to;
};

int CPL_STDCALL reportStep(double done, const char*, void* data) {
    ProgressStep& step = *static_cast<ProgressStep*>(data);
    if (!step.cancelled && step.report) {
        try {
            step.cancelled =
                !step.report(std::lerp(step.from, step.to, std::clamp(done, 0.0, 1.0)));
        } catch (...) {
            step.cancelled = true;
        }
    }
    return step.cancelled ? FALSE : TRUE;
}

bool validRequest(const ViewshedRequest& r) {
    return std::fabs(r.site.latitude) <= 89.0 && std::fabs(r.site.longitude) <= 180.0 &&
           r.radiusM > 0.0 && r.radiusM <= largestRadiusM && std::isfinite(r.earthFactorK) &&
           r.earthFactorK > 0.0 && std::isfinite(r.observerHeightM) &&
           std::isfinite(r.targetHeightM);
}

// The degrees the radius reaches around the site, a hundredth to spare.
GeoExtent reach(const ViewshedRequest& r) {
    const double latitude = r.radiusM / metresPerDegree * 1.01;
    const double longitude = latitude / std::cos(r.site.latitude * std::numbers::pi / 180.0);
    return {
        std::max(r.site.longitude - longitude, -180.0), std::max(r.site.latitude - latitude, -90.0),
        std::min(r.site.longitude + longitude, 180.0), std::min(r.site.latitude + latitude, 90.0)};
}

// A band read whole, with where its cells lie.
template <typename Cell> struct Raster {
    std::vector<Cell> cells;
    int width = 0, height = 0;
    double transform[6] = {};
    bool read(GDALDataset& dataset, GDALDataType type) {
        width = dataset.GetRasterXSize();
        height = dataset.GetRasterYSize();
        cells.resize(std::size_t(width) * height);
        return dataset.GetGeoTransform(transform) == CE_None &&
               dataset.GetRasterBand(1)->RasterIO(GF_Read, 0, 0, width, height, cells.data(), width,
                                                  height, type, 0, 0, nullptr) == CE_None;
    }
    bool write(GDALDataset& dataset, GDALDataType type) {
        return dataset.GetRasterBand(1)->RasterIO(GF_Write, 0, 0, width, height, cells.data(),
                                                  width, height, type, 0, 0, nullptr) == CE_None;
    }
    // The cell holding the point (x, y), if any.
    const Cell* at(double x, double y) const {
        const double column = std::floor((x - transform[0]) / transform[1]);
        const double row = std::floor((y - transform[3]) / transform[5]);
        if (column < 0 || row < 0 || column >= width || row >= height) return nullptr;
        return &cells[std::size_t(row) * width + std::size_t(column)];
    }
};

// Cells without ground are not known to be seen or not: GDAL 3.6's viewshed
// reads them as heights.
void forgetCellsWithoutGround(Raster<Sight>& sight, const Raster<float>& ground) {
    for (int row = 0; row < sight.height; ++row)
        for (int column = 0; column < sight.width; ++column) {
            const double x = sight.transform[0] + (column + 0.5) * sight.transform[1];
            const double y = sight.transform[3] + (row + 0.5) * sight.transform[5];
            const float* height = ground.at(x, y);
            if (!height || *height == float(srtmVoid))
                sight.cells[std::size_t(row) * sight.width + column] = Sight::unknown;
        }
}

// The ground on a grid in metres centred on the site (azimuthal equidistant:
// distances from the site are true), its cells about as fine as the files',
// the site in the middle of the centre cell.
GDALDatasetUniquePtr groundAround(const ViewshedRequest& request, const Mosaic& mosaic,
                                  ProgressStep& progress) {
    const double latitude = request.site.latitude * std::numbers::pi / 180.0;
    const double cellM =
        std::max(mosaic.cellDegrees * metresPerDegree * std::sqrt(std::cos(latitude)),
                 2.0 * request.radiusM / mostCellsAcross);
    const std::string edge = gdalNumber((std::ceil(request.radiusM / cellM) + 0.5) * cellM);
    const std::string centred = "+proj=aeqd +lat_0=" + gdalNumber(request.site.latitude) +
                                " +lon_0=" + gdalNumber(request.site.longitude) +
                                " +datum=WGS84 +units=m +no_defs";
    return warped(mosaic,
                  {"-t_srs", centred, "-te", "-" + edge, "-" + edge, edge, edge, "-tr",
                   gdalNumber(cellM), gdalNumber(cellM), "-r", "bilinear", "-ot", "Float32",
                   "-dstnodata", gdalNumber(srtmVoid)},
                  reportStep, &progress);
}

std::vector<Sight> sightOfQueries(const ViewshedRequest& request, const OGRSpatialReference& grid,
                                  const Raster<Sight>& sight) {
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    const std::unique_ptr<OGRCoordinateTransformation> toGrid(
        OGRCreateCoordinateTransformation(&wgs84, &grid));
    std::vector<Sight> answers;
    for (const Position& query : request.queries) {
        double x = query.longitude, y = query.latitude;
        const Sight* cell = nullptr;
        if (toGrid && toGrid->Transform(1, &x, &y) && std::hypot(x, y) <= request.radiusM)
            cell = sight.at(x, y);
        answers.push_back(cell ? *cell : Sight::unknown);
    }
    return answers;
}
} // namespace

void computeViewshed(const ViewshedRequest& request, Viewshed& result) {
    result = {};
    if (!validRequest(request)) {
        result.error =
            "Η θέση, τα ύψη, η ακτίνα ή ο συντελεστής k της ορατότητας δεν είναι έγκυρα.";
        return;
    }
    const ElevationFolder folder{std::filesystem::path(request.folderUtf8)};
    if (!folder.listed()) {
        result.error = unreadableFolderText(request.folderUtf8);
        return;
    }
    const Mosaic mosaic = mosaicOver(folder, reach(request));
    result.missingTiles = mosaic.missingTiles;
    const std::string noGroundText =
        mosaic.missingTiles.empty()
            ? "Ο φάκελος «" + request.folderUtf8 + "» δεν έχει υψόμετρα γύρω από τη θέση."
            : missingTilesText(mosaic.missingTiles);
    if (mosaic.files.empty()) {
        result.error = noGroundText;
        return;
    }

    bool cancelled = false;
    const auto cancel = [&result] {
        result = {};
        result.cancelled = true;
    };
    ProgressStep warping{request.progress, cancelled, 0.0, 0.3};
    const GDALDatasetUniquePtr ground = groundAround(request, mosaic, warping);
    if (cancelled) return cancel();
    Raster<float> heights;
    if (!ground || !heights.read(*ground, GDT_Float32)) {
        result.error = noGroundText;
        return;
    }

    // GDAL lowers the ground at distance d by dfCurvCoeff * d^2 / (2R); the
    // earth bent by the factor k lowers it by d^2 / (2kR), so dfCurvCoeff is
    // 1/k: k = 4/3 gives 0.75, and GDAL's usual 0.85714 is k = 7/6.
    ProgressStep seeing{request.progress, cancelled, 0.3, 0.85};
    const GDALDatasetUniquePtr seen(GDALDataset::FromHandle(GDALViewshedGenerate(
        ground->GetRasterBand(1), "MEM", "", nullptr, 0.0, 0.0, request.observerHeightM,
        request.targetHeightM, double(Sight::visible), double(Sight::hidden),
        double(Sight::unknown), -1.0, 1.0 / request.earthFactorK, GVM_Edge, request.radiusM,
        reportStep, &seeing, GVOT_NORMAL, nullptr)));
    if (cancelled) return cancel();
    Raster<Sight> sight;
    if (!seen || !sight.read(*seen, GDT_Byte)) {
        result.error = "Η ορατότητα από τη θέση δεν υπολογίστηκε.";
        return;
    }
    forgetCellsWithoutGround(sight, heights);
    result.queries = sightOfQueries(request, *ground->GetSpatialRef(), sight);

    // On the map's kind of grid: longitude and latitude, each cell the same
    // step in both, from the nearest cell.
    ProgressStep mapping{request.progress, cancelled, 0.85, 1.0};
    const GDALDatasetUniquePtr map =
        sight.write(*seen, GDT_Byte)
            ? warped({seen.get()}, {"-t_srs", "EPSG:4326", "-r", "near"}, reportStep, &mapping)
            : nullptr;
    if (cancelled) return cancel();
    Raster<Sight> cells;
    if (!map || !cells.read(*map, GDT_Byte)) {
        result.error = "Η ορατότητα δεν μεταφέρθηκε στον χάρτη.";
        return;
    }
    result.widthPx = cells.width;
    result.heightPx = cells.height;
    result.area = {cells.transform[0], cells.transform[3] + cells.height * cells.transform[5],
                   cells.transform[0] + cells.width * cells.transform[1], cells.transform[3]};
    result.cells = std::move(cells.cells);
}

} // namespace tarvanel
