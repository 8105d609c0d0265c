// The map's layers from a cone-shaped hill the test writes (a 3" tile, see
// synthetic_tiles.h): shaded relief lit from the north-west, and what a mast on
// its western flank sees.
#include "elevation/elevation_loader.h"
#include "tests/elevation/synthetic_tiles.h"

#include <QDir>
#include <QTemporaryDir>
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

} // namespace
} // namespace tarvanel
