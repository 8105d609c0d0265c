// The map's layers from a cone-shaped hill the test writes (a 3" tile, see
// synthetic_tiles.h): shaded relief lit from the north-west, and what a mast on
// its western flank sees; and a map the user has, in the formats GDAL writes.
#include "elevation/elevation_loader.h"
#include "tests/elevation/synthetic_tiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gdal_priv.h>
#include <gtest/gtest.h>

namespace tarvanel {
namespace {

class MapLayers : public testing::Test {
protected:
    static void SetUpTestSuite() { writeFile(folder() + "/N37E023.hgt", hgtBytes(37, 23, cone)); }
    static std::string folder() { return dir.path().toStdString(); }
    static inline QTemporaryDir dir;
    static inline ElevationReader reader{{QStringLiteral(TARVANEL_TEST_PLUGIN_DIR)}};
};

TEST_F(MapLayers, ReliefIsLitFromTheNorthWestAndTintedByHeight) {
    const GeoExtent hill{23.3, 37.3, 23.7, 37.7};
    const ShadedRelief relief = reader.shadeRelief({folder(), hill, 200, 160});
    ASSERT_EQ(relief.error, "");
    ASSERT_EQ(relief.rgba.size(), 200u * 160 * 4);
    EXPECT_TRUE(relief.missingTiles.empty());
    EXPECT_NEAR(*relief.highestM, 1100.0, 10.0); // cells 220 m tall: the top is rounded
    EXPECT_NEAR(*relief.lowestM, cone(37.3, 23.3), 20.0);
    // Faces at the same height (so the same tint) a quarter of the way in from
    // each corner: light falls on the north-western one.
    const auto brightness = [&](int x, int y) {
        const std::uint8_t* pixel = &relief.rgba[(std::size_t(y) * 200 + x) * 4];
        return pixel[0] + pixel[1] + pixel[2];
    };
    EXPECT_GT(brightness(50, 40), brightness(150, 120) + 30);
    EXPECT_EQ(relief.rgba[3], 255);

    // Partly north of the tile: drawn, the missing tile named.
    const ShadedRelief beyond = reader.shadeRelief({folder(), {23.4, 37.4, 23.6, 38.1}, 50, 50});
    EXPECT_EQ(beyond.missingTiles, std::vector<std::string>{"N38E023.hgt"});
    EXPECT_EQ(beyond.rgba.size(), 50u * 50 * 4);

    const std::pair<ReliefRequest, const char*> failing[] = {
        {{folder() + "/absent", hill, 200, 160}, "absent"},
        {{folder(), {23.7, 37.3, 23.3, 37.7}, 200, 160}, "περιοχή"},
        {{folder(), hill, 0, 160}, "μέγεθος"},
        {{folder(), {20.0, 37.3, 20.5, 37.7}, 20, 20}, "N37E020.hgt"},
    };
    for (const auto& [request, named] : failing) {
        const ShadedRelief none = reader.shadeRelief(request);
        EXPECT_NE(none.error.find(named), std::string::npos) << none.error;
        EXPECT_TRUE(none.rgba.empty());
    }
}

constexpr Position west{37.5, 23.35}; // 13 km west of the top, 570 m up

Sight cellAt(const Viewshed& seen, const Position& p) {
    if (!seen.area.covers(p)) return Sight::unknown;
    const int x =
        int((p.longitude - seen.area.west) / (seen.area.east - seen.area.west) * seen.widthPx);
    const int y =
        int((seen.area.north - p.latitude) / (seen.area.north - seen.area.south) * seen.heightPx);
    return seen.cells[std::size_t(y) * seen.widthPx + x];
}

TEST_F(MapLayers, ViewshedSeesUpTheFlankButNotBeyondTheTop) {
    const std::pair<Position, Sight> places[] = {
        {{37.5, 23.40}, Sight::visible}, // up the slope towards the top
        {{37.5, 23.56}, Sight::hidden},  // behind the top, 18.5 km away
        {{37.6, 23.35}, Sight::hidden},  // round the flank: the cone's curve hides it
        {{37.5, 23.60}, Sight::unknown}, // beyond the 20 km radius
    };
    ViewshedRequest request{folder(), west, 10.0, 10.0, 20000.0, 4.0 / 3.0, {}, {}};
    std::vector<double> reported;
    request.progress = [&](double done) { return reported.push_back(done), true; };
    for (const auto& place : places)
        request.queries.push_back(place.first);
    const Viewshed seen = reader.computeViewshed(request);
    ASSERT_EQ(seen.error, "");
    EXPECT_FALSE(seen.cancelled);
    ASSERT_EQ(seen.cells.size(), std::size_t(seen.widthPx) * seen.heightPx);
    EXPECT_TRUE(seen.area.covers({37.67, 23.35}) && seen.area.covers({37.5, 23.13}));
    for (std::size_t i = 0; i < std::size(places); ++i) {
        EXPECT_EQ(seen.queries[i], places[i].second) << i;
        EXPECT_EQ(cellAt(seen, places[i].first), places[i].second) << i;
    }
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_EQ(reported.back(), 1.0);

    // Near the tile's western edge: no ground beyond it, nothing known there.
    request.site = {37.5, 23.05};
    request.queries = {{37.5, 22.95}};
    const Viewshed edge = reader.computeViewshed(request);
    EXPECT_EQ(edge.queries, std::vector<Sight>{Sight::unknown});
    EXPECT_EQ(cellAt(edge, {37.5, 22.95}), Sight::unknown);
    EXPECT_NE(std::find(edge.missingTiles.begin(), edge.missingTiles.end(), "N37E022.hgt"),
              edge.missingTiles.end());

    // Cancelled on the first report: nothing else comes back.
    request.progress = [](double) { return false; };
    const Viewshed cancelled = reader.computeViewshed(request);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_TRUE(cancelled.cells.empty() && cancelled.queries.empty() && cancelled.error.empty());
}

// Flat ground and masts of 5 m: the radio horizon, 2 sqrt(2 k R 5 m), lies
// 18.4 km away for k = 4/3 and 16.0 km for k = 1.
TEST_F(MapLayers, EarthFactorMovesTheHorizon) {
    const std::string flat = folder() + "/flat";
    QDir().mkdir(QString::fromStdString(flat));
    writeFile(flat + "/N37E023.hgt", hgtBytes(37, 23, [](double, double) { return 100.0; }));
    const Position far{37.5, 23.35 + 17.2 / 88.22}; // 17.2 km east
    for (const auto& [k, sight] : {std::pair{4.0 / 3.0, Sight::visible}, {1.0, Sight::hidden}}) {
        const Viewshed seen = reader.computeViewshed({flat, west, 5.0, 5.0, 20000.0, k, {far}, {}});
        EXPECT_EQ(seen.queries, std::vector<Sight>{sight}) << k;
    }
}

// A map of the tile's square, red in its western half and blue in its
// eastern, written by GDAL in `format` (no georeference: a bare picture).
void writeHalves(const std::string& file, const char* format, bool georeferenced = true) {
    GDALAllRegister();
    const GDALDatasetUniquePtr picture(
        GetGDALDriverManager()->GetDriverByName("MEM")->Create("", 256, 256, 4, GDT_Byte, nullptr));
    double square[6] = {23.0, 1.0 / 256, 0.0, 38.0, 0.0, -1.0 / 256};
    if (georeferenced) {
        picture->SetGeoTransform(square);
        picture->SetProjection("EPSG:4326");
    }
    std::vector<std::uint8_t> band(256 * 256);
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i < 256 * 256; ++i)
            band[i] = c == 3 || (c == 0 && i % 256 < 128) || (c == 2 && i % 256 >= 128) ? 255 : 0;
        EXPECT_EQ(picture->GetRasterBand(c + 1)->RasterIO(GF_Write, 0, 0, 256, 256, band.data(),
                                                          256, 256, GDT_Byte, 0, 0, nullptr),
                  CE_None);
    }
    GDALDatasetUniquePtr(GetGDALDriverManager()->GetDriverByName(format)->CreateCopy(
        file.c_str(), picture.get(), false, nullptr, nullptr, nullptr));
}

TEST_F(MapLayers, RasterMapLiesWhereItsGeoreferenceSays) {
    for (const char* format : {"MBTiles", "GPKG"}) {
        const std::string file = folder() + "/halves." + format;
        writeHalves(file, format);
        // Over the middle of the square, and half beyond its eastern edge.
        const RasterMapPicture middle =
            reader.readRasterMap({file, {23.2, 37.2, 23.8, 37.8}, 60, 60});
        ASSERT_EQ(middle.error, "") << format;
        ASSERT_EQ(middle.rgba.size(), 60u * 60 * 4);
        // Each byte to the nearer of 0 and 255 (GeoPackage's tiles round).
        const auto pixel = [](const RasterMapPicture& p, int x, int y) {
            const std::uint8_t* at = &p.rgba[(std::size_t(y) * p.widthPx + x) * 4];
            return std::array<bool, 4>{at[0] > 127, at[1] > 127, at[2] > 127, at[3] > 127};
        };
        EXPECT_EQ(pixel(middle, 15, 30), (std::array{true, false, false, true})) << format;
        EXPECT_EQ(pixel(middle, 45, 30), (std::array{false, false, true, true})) << format;
        const RasterMapPicture beyond =
            reader.readRasterMap({file, {23.5, 37.5, 24.5, 37.9}, 40, 20});
        EXPECT_TRUE(pixel(beyond, 10, 10)[3]) << format;
        EXPECT_FALSE(pixel(beyond, 30, 10)[3]) << format;
    }

    writeHalves(folder() + "/bare.png", "PNG", false);
    writeFile(folder() + "/notes.mbtiles", "not a map");
    const std::pair<RasterMapRequest, const char*> failing[] = {
        {{folder() + "/notes.mbtiles", {23.2, 37.2, 23.8, 37.8}, 60, 60},
         "notes.mbtiles» δεν διαβάζεται"},
        {{folder() + "/bare.png", {23.2, 37.2, 23.8, 37.8}, 60, 60}, "γεωαναφορά"},
        {{folder() + "/halves.GPKG", {23.2, 37.2, 23.8, 37.8}, 0, 60}, "μέγεθος"},
    };
    for (const auto& [request, named] : failing) {
        const RasterMapPicture none = reader.readRasterMap(request);
        EXPECT_NE(none.error.find(named), std::string::npos) << none.error;
        EXPECT_TRUE(none.rgba.empty());
    }
}

} // namespace
} // namespace tarvanel
