// The ground along a path, read through the loader and the GDAL plugin from
// tiles the tests write: a 3" SRTM tile with a cone (raw and zipped), one with
// void cells, and a 1" GeoTIFF holding a tilted plane, which bilinear
// interpolation must give back exactly wherever the file is placed right.
#include "elevation/elevation_loader.h"
#include "geo/geodesy.h"
#include "tests/elevation/synthetic_tiles.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>
#include <cpl_vsi.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace tarvanel {
namespace {

// Through GDAL's zip writer, the way the tiles are handed out.
void writeZipped(const std::string& zipPath, const std::string& inner, const std::string& bytes) {
    VSILFILE* file = VSIFOpenL(("/vsizip/" + zipPath + "/" + inner).c_str(), "wb");
    ASSERT_NE(file, nullptr);
    VSIFWriteL(bytes.data(), 1, bytes.size(), file);
    VSIFCloseL(file);
}

// A GeoTIFF in EPSG:4326 of 1" cells from (west, north), float32.
void writeGeoTiff(const std::string& path, double west, double north, int size, const Shape& shape,
                  double nodata) {
    GDALAllRegister();
    const double cell = 1.0 / 3600.0;
    GDALDatasetUniquePtr tiff(GetGDALDriverManager()->GetDriverByName("GTiff")->Create(
        path.c_str(), size, size, 1, GDT_Float32, nullptr));
    double transform[6] = {west, cell, 0.0, north, 0.0, -cell};
    tiff->SetGeoTransform(transform);
    OGRSpatialReference wgs84;
    wgs84.importFromEPSG(4326);
    tiff->SetSpatialRef(&wgs84);
    std::vector<float> values;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column)
            values.push_back(static_cast<float>(
                shape(north - (row + 0.5) * cell, west + (column + 0.5) * cell)));
    GDALRasterBand* band = tiff->GetRasterBand(1);
    band->SetNoDataValue(nodata);
    ASSERT_EQ(
        band->RasterIO(GF_Write, 0, 0, size, size, values.data(), size, size, GDT_Float32, 0, 0),
        CE_None);
}

// Where a sample lies.
Position along(const Position& end1, const Position& end2, double km) {
    Position p;
    GeographicLib::Geodesic::WGS84()
        .InverseLine(end1.latitude, end1.longitude, end2.latitude, end2.longitude)
        .Position(km * 1000.0, p.latitude, p.longitude);
    return p;
}

double kmBetween(const Position& a, const Position& b) {
    return geodesicBetween(a, b).value.distanceKm;
}

class ElevationSampling : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(dir.isValid());
        for (const char* folder : {"cone", "zipped", "voids", "tiff", "broken", "empty"})
            QDir(dir.path()).mkdir(folder);
        const std::string hill = hgtBytes(37, 23, cone);
        writeFile(path("cone/N37E023.hgt"), hill);
        writeZipped(path("zipped/N37E023.hgt.zip"), "N37E023.hgt", hill);
        // Three void cells down the meridian 23.5 E at 37.75 N (rows 300 to 302).
        writeFile(path("voids/N37E023.hgt"), hgtBytes(37, 23, [](double lat, double lon) {
                      const int row = static_cast<int>(std::lround((38 - lat) * 1200));
                      const bool hole = lon == 23.5 && row >= 300 && row <= 302;
                      return hole ? -32768.0 : 500.0;
                  }));
        // A plane that rises east and north, over a flat 3" tile that the finer
        // GeoTIFF must win over; one cell of it on the path holds the file's nodata.
        writeFile(path("tiff/N37E024.hgt"), hgtBytes(37, 24, [](double, double) { return 0.0; }));
        writeGeoTiff(
            path("tiff/plane.tif"), 24.0, 37.2, 360,
            [](double lat, double lon) {
                const bool hole =
                    std::abs(lat - 37.15486) < 1.4e-4 && std::abs(lon - 24.05014) < 1.4e-4;
                return hole ? -9999.0 : plane(lat, lon);
            },
            -9999.0);
        writeFile(path("broken/N37E023.hgt"), "not a tile");
    }
    static double plane(double lat, double lon) {
        return 100.0 + 2000.0 * (lon - 24.0) + 1000.0 * (lat - 37.1);
    }
    static std::string path(const std::string& name) {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    static ElevationProfile sample(const std::string& folder, Position end1, Position end2) {
        return reader.sample({path(folder), end1, end2});
    }

    static inline QTemporaryDir dir;
    static inline ElevationReader reader{{QStringLiteral(TARVANEL_TEST_PLUGIN_DIR)}};
};

constexpr Position south{37.3, 23.5}, apex{37.5, 23.5}, north{37.7, 23.5};
constexpr double cellNorthSouthM = 3.0 / 3600.0 * 111195.0;

TEST_F(ElevationSampling, ConeFromRawTileHasItsPeakEndsAndSpacing) {
    const ElevationProfile profile = sample("cone", south, north);
    ASSERT_EQ(profile.error, "");
    EXPECT_TRUE(profile.missingTiles.empty());
    EXPECT_EQ(profile.voidCells, 0u);
    EXPECT_NEAR(*profile.ground1M, cone(south.latitude, south.longitude), 1.0);
    EXPECT_NEAR(*profile.ground2M, cone(north.latitude, north.longitude), 1.0);
    // No farther apart than a cell's narrower side (east-west, at 37.3 N).
    const double km = kmBetween(south, north);
    EXPECT_LE(profile.spacingM, cellNorthSouthM * std::cos(37.3 * std::numbers::pi / 180.0));
    EXPECT_GT(profile.spacingM, 60.0);
    const auto intervals = std::lround(km * 1000.0 / profile.spacingM);
    ASSERT_EQ(profile.samples.size(), static_cast<std::size_t>(intervals - 1));
    for (std::size_t i = 0; i < profile.samples.size(); ++i)
        ASSERT_NEAR(profile.samples[i].km, (i + 1) * profile.spacingM / 1000.0, 1e-9);
    const auto peak = std::max_element(
        profile.samples.begin(), profile.samples.end(),
        [](const GroundSample& a, const GroundSample& b) { return a.groundM < b.groundM; });
    EXPECT_NEAR(peak->groundM, 1100.0 - 0.02 * profile.spacingM, 0.02 * profile.spacingM + 0.5);
    EXPECT_NEAR(peak->km, kmBetween(south, apex), profile.spacingM / 1000.0);
    EXPECT_TRUE(reader.pluginFile().endsWith(TARVANEL_TEST_PLUGIN_NAME));
}

TEST_F(ElevationSampling, ZippedTileReadsAsTheRawOne) {
    const ElevationProfile raw = sample("cone", south, north);
    const ElevationProfile zipped = sample("zipped", south, north);
    ASSERT_EQ(zipped.error, "");
    EXPECT_EQ(zipped.ground1M, raw.ground1M);
    ASSERT_EQ(zipped.samples.size(), raw.samples.size());
    for (std::size_t i = 0; i < raw.samples.size(); ++i)
        ASSERT_EQ(zipped.samples[i].groundM, raw.samples[i].groundM) << i;
}

TEST_F(ElevationSampling, VoidCellsAreCountedAndTheirPointsLeftOut) {
    const Position from{37.6, 23.5}, to{37.9, 23.5};
    const ElevationProfile profile = sample("voids", from, to);
    EXPECT_EQ(profile.voidCells, 3u);
    // Points between the centres of rows 299 and 303 lean on a void.
    const double holeFrom = kmBetween(from, {38 - 303 / 1200.0, 23.5});
    const double holeTo = kmBetween(from, {38 - 299 / 1200.0, 23.5});
    const auto intervals = std::lround(kmBetween(from, to) * 1000.0 / profile.spacingM);
    const auto inHole = std::lround(std::floor((holeTo - holeFrom) * 1000.0 / profile.spacingM));
    EXPECT_NEAR(static_cast<double>(profile.samples.size()), intervals - 1 - inHole, 1.0);
    for (const GroundSample& s : profile.samples) {
        EXPECT_FALSE(s.km > holeFrom + 1e-6 && s.km < holeTo - 1e-6) << s.km;
        EXPECT_NEAR(s.groundM, 500.0, 1e-9);
    }
}

TEST_F(ElevationSampling, GeoTiffPlaneComesBackExactlyAndWinsOverCoarserTile) {
    const Position from{37.15, 24.02}, to{37.16, 24.08};
    const ElevationProfile profile = sample("tiff", from, to);
    ASSERT_EQ(profile.error, "");
    EXPECT_NEAR(*profile.ground1M, plane(from.latitude, from.longitude), 0.01);
    EXPECT_LE(profile.spacingM, 111195.0 / 3600.0 * std::cos(37.15 * std::numbers::pi / 180.0));
    EXPECT_EQ(profile.voidCells, 1u);
    const auto intervals = std::lround(kmBetween(from, to) * 1000.0 / profile.spacingM);
    EXPECT_GE(profile.samples.size(), static_cast<std::size_t>(intervals - 5));
    EXPECT_LT(profile.samples.size(), static_cast<std::size_t>(intervals - 1));
    for (const GroundSample& s : profile.samples) {
        const Position p = along(from, to, s.km);
        ASSERT_NEAR(s.groundM, plane(p.latitude, p.longitude), 0.01) << s.km;
    }
}

struct Failing {
    const char* folder;
    Position end1, end2;
    std::vector<std::string> missing;
    std::string errorNames; // "" when something is read
};

TEST_F(ElevationSampling, MissingTilesUnreadableFilesAndFoldersAreNamed) {
    const Failing cases[] = {
        {"cone", {37.9, 23.5}, {38.1, 23.5}, {"N38E023.hgt"}, ""},
        {"cone", {-33.5, -70.6}, {-33.6, -70.7}, {"S34W071.hgt"}, "S34W071.hgt"},
        {"empty", {37.2, 22.9}, {37.2, 23.1}, {"N37E022.hgt", "N37E023.hgt"}, "N37E022.hgt"},
        {"broken", south, north, {}, "N37E023.hgt"},
        {"absent", south, north, {}, "absent"},
    };
    for (const Failing& c : cases) {
        SCOPED_TRACE(c.folder);
        const ElevationProfile profile = sample(c.folder, c.end1, c.end2);
        EXPECT_EQ(profile.missingTiles, c.missing);
        if (c.errorNames.empty()) {
            EXPECT_EQ(profile.error, "");
            ASSERT_TRUE(profile.ground1M && !profile.ground2M && !profile.samples.empty());
            // Nothing past the tile's northern edge.
            EXPECT_LE(profile.samples.back().km, kmBetween(c.end1, {38.0, 23.5}) + 1e-9);
        } else {
            EXPECT_NE(profile.error.find(c.errorNames), std::string::npos) << profile.error;
            EXPECT_TRUE(profile.samples.empty());
        }
    }
}

void expectSameProfile(const ElevationProfile& a, const ElevationProfile& b) {
    EXPECT_EQ(a.ground1M, b.ground1M);
    EXPECT_EQ(a.ground2M, b.ground2M);
    EXPECT_EQ(a.spacingM, b.spacingM);
    ASSERT_EQ(a.samples.size(), b.samples.size());
    for (std::size_t i = 0; i < a.samples.size(); ++i)
        ASSERT_TRUE(a.samples[i].km == b.samples[i].km &&
                    a.samples[i].groundM == b.samples[i].groundM);
    EXPECT_EQ(a.missingTiles, b.missingTiles);
    EXPECT_EQ(a.unreadableFiles, b.unreadableFiles);
    EXPECT_EQ(a.voidCells, b.voidCells);
    EXPECT_EQ(a.error, b.error);
}

// A session's paths in an order where each would inherit the previous one's
// voids, missing tiles or unreadable files if it were not told its own.
TEST_F(ElevationSampling, SessionAnswersEachPathAsTheOneShotEntry) {
    const std::pair<const char*, std::vector<std::pair<Position, Position>>> sessions[] = {
        {"voids", {{{37.6, 23.5}, {37.9, 23.5}}, {south, apex}, {{37.6, 23.5}, {37.9, 23.5}}}},
        {"cone", {{{37.9, 23.5}, {38.1, 23.5}}, {south, north}, {{91.0, 0.0}, south}}},
        {"tiff", {{{37.15, 24.02}, {37.16, 24.08}}, {{37.5, 24.2}, {37.6, 24.3}}}},
        {"broken", {{south, north}, {south, apex}}},
        {"absent", {{south, north}}},
    };
    for (const auto& [folder, paths] : sessions) {
        const auto session = reader.openSession(path(folder));
        for (const auto& [end1, end2] : paths) {
            SCOPED_TRACE(std::string(folder) + " " + std::to_string(end1.latitude));
            expectSameProfile(session->sample(end1, end2), sample(folder, end1, end2));
        }
    }
}

TEST_F(ElevationSampling, MissingPluginIsToldInGreek) {
    ElevationReader noPlugin({QString::fromStdString(path("empty"))});
    const ElevationProfile profile = noPlugin.sample({path("cone"), south, north});
    EXPECT_NE(profile.error.find("πρόσθετο"), std::string::npos) << profile.error;
    EXPECT_NE(profile.error.find(TARVANEL_TEST_PLUGIN_NAME), std::string::npos);
    EXPECT_EQ(noPlugin.openSession(path("cone"))->sample(south, north).error, profile.error);
    EXPECT_TRUE(noPlugin.pluginFile().isEmpty());
}

} // namespace
} // namespace tarvanel
