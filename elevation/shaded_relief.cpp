#include "elevation/elevation_mosaic.h"
#include "elevation/elevation_profile.h"
#include "elevation/plugin_jobs.h"

#include <gdal_utils.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>
#include <numbers>

namespace tarvanel {

namespace {
using Rgb = std::array<double, 3>;
struct TintStop {
    double heightM;
    Rgb colour;
};
// Green lowlands, pale straw hills, brown mountains, white peaks.
constexpr std::array<TintStop, 6> tints{{{0.0, {94, 156, 92}},
                                         {300.0, {160, 196, 110}},
                                         {800.0, {222, 214, 150}},
                                         {1500.0, {176, 132, 88}},
                                         {2300.0, {150, 124, 108}},
                                         {3000.0, {245, 245, 245}}}};
// The sea and places without ground.
constexpr Rgb seaOrNoGround{200, 212, 222};
// What the hillshade gives flat ground under a light 45° up: 255 sin 45°.
// Flat ground keeps its tint; slopes facing the light are lighter, others darker.
const double flatShade = 255.0 * std::sin(std::numbers::pi / 4);

Rgb tintAt(double heightM) {
    if (heightM <= tints.front().heightM) return tints.front().colour;
    for (std::size_t i = 1; i < tints.size(); ++i) {
        if (heightM > tints[i].heightM) continue;
        const double t =
            (heightM - tints[i - 1].heightM) / (tints[i].heightM - tints[i - 1].heightM);
        Rgb colour;
        for (int c = 0; c < 3; ++c)
            colour[c] = tints[i - 1].colour[c] + t * (tints[i].colour[c] - tints[i - 1].colour[c]);
        return colour;
    }
    return tints.back().colour;
}

// GDAL's hillshade (0 to 255) of the heights, light from the north-west 45°
// up. The grid is told its cells in metres (a degree of longitude is shorter
// than one of latitude by the cosine of the latitude), so that the slopes
// come right.
std::vector<std::uint8_t> hillshade(std::vector<float>& heights, const ReliefRequest& request) {
    const int width = request.widthPx, height = request.heightPx;
    const GDALDatasetUniquePtr grid(GetGDALDriverManager()->GetDriverByName("MEM")->Create(
        "", width, height, 1, GDT_Float32, nullptr));
    const GeoExtent& a = request.area;
    const double middle = (a.south + a.north) / 2 * std::numbers::pi / 180.0;
    double metric[6] = {0.0, (a.east - a.west) / width * metresPerDegree * std::cos(middle),
                        0.0, 0.0,
                        0.0, -(a.north - a.south) / height * metresPerDegree};
    GDALRasterBand& band = *grid->GetRasterBand(1);
    if (grid->SetGeoTransform(metric) != CE_None || band.SetNoDataValue(srtmVoid) != CE_None ||
        band.RasterIO(GF_Write, 0, 0, width, height, heights.data(), width, height, GDT_Float32, 0,
                      0, nullptr) != CE_None)
        return {};
    const char* arguments[] = {"-of", "MEM", "-az", "315", "-alt", "45", "-compute_edges", nullptr};
    const std::unique_ptr<GDALDEMProcessingOptions, decltype(&GDALDEMProcessingOptionsFree)>
        options(GDALDEMProcessingOptionsNew(const_cast<char**>(arguments), nullptr),
                GDALDEMProcessingOptionsFree);
    const GDALDatasetUniquePtr shade(GDALDataset::FromHandle(GDALDEMProcessing(
        "", GDALDataset::ToHandle(grid.get()), "hillshade", nullptr, options.get(), nullptr)));
    std::vector<std::uint8_t> values(heights.size());
    if (!shade ||
        shade->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, width, height, values.data(), width,
                                          height, GDT_Byte, 0, 0, nullptr) != CE_None)
        return {};
    return values;
}

void paint(const std::vector<float>& heights, const std::vector<std::uint8_t>& shades,
           ShadedRelief& result) {
    result.rgba.resize(heights.size() * 4);
    for (std::size_t i = 0; i < heights.size(); ++i) {
        const float height = heights[i];
        const bool ground = height != float(srtmVoid) && !std::isnan(height);
        if (ground) {
            result.lowestM = std::min<double>(result.lowestM.value_or(height), height);
            result.highestM = std::max<double>(result.highestM.value_or(height), height);
        }
        Rgb colour = seaOrNoGround;
        // No shade (0) where the hillshade had no neighbours to lean on: drawn flat.
        if (ground && height > 0.0f) {
            const double light = shades[i] == 0 ? 1.0 : shades[i] / flatShade;
            colour = tintAt(height);
            for (double& c : colour)
                c = std::min(255.0, c * light);
        }
        for (int c = 0; c < 3; ++c)
            result.rgba[i * 4 + c] = static_cast<std::uint8_t>(std::lround(colour[c]));
        result.rgba[i * 4 + 3] = 255;
    }
}
} // namespace

void shadeRelief(const ReliefRequest& request, ShadedRelief& result) {
    result = {};
    if (!validPicture(request.area, request.widthPx, request.heightPx)) {
        result.error = "Η περιοχή ή το μέγεθος του χάρτη δεν είναι έγκυρα.";
        return;
    }
    const ElevationFolder folder{std::filesystem::path(request.folderUtf8)};
    if (!folder.listed()) {
        result.error = unreadableFolderText(request.folderUtf8);
        return;
    }
    const Mosaic mosaic = mosaicOver(folder, request.area);
    result.missingTiles = mosaic.missingTiles;
    std::vector<float> heights =
        laidOnGrid(mosaic, request.area, request.widthPx, request.heightPx);
    if (std::all_of(heights.begin(), heights.end(), [](float h) { return h == float(srtmVoid); })) {
        result.error = result.missingTiles.empty()
                           ? "Ο φάκελος «" + request.folderUtf8 +
                                 "» δεν έχει υψόμετρα για την περιοχή του χάρτη."
                           : missingTilesText(result.missingTiles);
        return;
    }
    const std::vector<std::uint8_t> shades = hillshade(heights, request);
    if (shades.empty()) {
        result.error = "Η σκίαση του ανάγλυφου δεν υπολογίστηκε.";
        return;
    }
    result.widthPx = request.widthPx;
    result.heightPx = request.heightPx;
    paint(heights, shades, result);
}

} // namespace tarvanel
