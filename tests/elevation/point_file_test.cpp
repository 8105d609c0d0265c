// Sites read from vector files the test writes: KML, GeoJSON (also in Web
// Mercator) and GPX, each with a row that is not a site, and files that give
// none at all.
#include "elevation/elevation_loader.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

namespace tarvanel {
namespace {

struct Row {
    std::string name;
    bool site = true; // else a reason is given
    Position position = {};
    std::optional<double> altitudeM = {};
    std::pair<std::string, std::string> attribute = {}; // one of its attributes, if named
};

struct FileCase {
    const char* file;
    std::string text;
    std::vector<Row> rows;
};

// Web Mercator's metres for a position, to write a GeoJSON in EPSG:3857.
std::string mercator(double latitude, double longitude) {
    const double radians = std::numbers::pi / 180.0, r = 6378137.0;
    return std::to_string(r * longitude * radians) + "," +
           std::to_string(r * std::log(std::tan(std::numbers::pi / 4 + latitude * radians / 2)));
}

const std::string gpxHead = R"(<?xml version="1.0"?><gpx version="1.1" creator="t" )"
                            R"(xmlns="http://www.topografix.com/GPX/1/1">)";
const std::string kmlHead =
    R"(<?xml version="1.0" encoding="UTF-8"?><kml xmlns="http://www.opengis.net/kml/2.2"><Document>)";

const FileCase files[] = {
    {"sites.kml",
     kmlHead + R"(<Placemark><name>Υμηττός</name><ExtendedData><Data name="mast_m"><value>12)"
               R"(</value></Data></ExtendedData><Point><altitudeMode>absolute</altitudeMode>)"
               R"(<coordinates>23.8012345,37.9512345,1026</coordinates></Point></Placemark>)"
               R"(<Placemark><name>Γραμμή</name><LineString><coordinates>23.7,37.9 23.8,37.95)"
               R"(</coordinates></LineString></Placemark></Document></kml>)",
     {{"Υμηττός", true, {37.9512345, 23.8012345}, 1026.0, {"mast_m", "12"}}, {"Γραμμή", false}}},
    {"sites.geojson",
     R"({"type":"FeatureCollection","features":[{"type":"Feature","properties":)"
     R"({"NAME":"Πάρνηθα","ground_m":1413.5},"geometry":{"type":"Point","coordinates":)"
     R"([23.7123456,38.1712345]}},{"type":"Feature","properties":{"NAME":"Έξω"},)"
     R"("geometry":{"type":"Point","coordinates":[200.0,38.0]}},{"type":"Feature",)"
     R"("properties":{"NAME":"Κενό"},"geometry":null}]})",
     {{"Πάρνηθα", true, {38.1712345, 23.7123456}, {}, {"ground_m", "1413.5"}},
      {"Έξω", false},
      {"Κενό", false}}},
    {"mercator.geojson",
     R"({"type":"FeatureCollection","crs":{"type":"name","properties":{"name":)"
     R"("urn:ogc:def:crs:EPSG::3857"}},"features":[{"type":"Feature","properties":)"
     R"({"label":"Λυκαβηττός"},"geometry":{"type":"Point","coordinates":[)" +
         mercator(37.9818765, 23.7431234) + "]}}]}",
     {{"Λυκαβηττός", true, {37.9818765, 23.7431234}}}},
    {"walk.gpx",
     gpxHead + R"(<wpt lat="37.9712345" lon="23.7212345"><ele>150.5</ele><name>Ακρόπολη)"
               R"(</name><sym>Flag</sym></wpt><trk><name>Βόλτα</name><trkseg><trkpt lat="37.97")"
               R"( lon="23.72"/><trkpt lat="37.98" lon="23.73"/></trkseg></trk></gpx>)",
     {{"Ακρόπολη", true, {37.9712345, 23.7212345}, 150.5, {"sym", "Flag"}}, {"Βόλτα", false}}},
};

class PointFiles : public testing::Test {
protected:
    static std::string write(const char* name, const std::string& text) {
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path) << text;
        return path;
    }
    static inline QTemporaryDir dir;
    static inline ElevationReader reader{{QStringLiteral(TARVANEL_TEST_PLUGIN_DIR)}};
};

TEST_F(PointFiles, EveryFeatureIsASiteOrSaysWhyNot) {
    for (const FileCase& file : files) {
        SCOPED_TRACE(file.file);
        const PointFile read = reader.readPointFile(write(file.file, file.text));
        ASSERT_EQ(read.error, "");
        ASSERT_EQ(read.features.size(), file.rows.size());
        for (std::size_t i = 0; i < file.rows.size(); ++i) {
            const Row& row = file.rows[i];
            const PointFeature& feature = read.features[i];
            EXPECT_EQ(feature.name, row.name);
            EXPECT_EQ(feature.reason.empty(), row.site) << feature.reason;
            if (!row.site) continue;
            EXPECT_NEAR(feature.position.latitude, row.position.latitude, 1e-7);
            EXPECT_NEAR(feature.position.longitude, row.position.longitude, 1e-7);
            EXPECT_EQ(feature.altitudeM, row.altitudeM);
            if (!row.attribute.first.empty()) {
                EXPECT_NE(
                    std::find(feature.attributes.begin(), feature.attributes.end(), row.attribute),
                    feature.attributes.end());
            }
        }
    }
}

TEST_F(PointFiles, FileWithoutSitesIsNamedWithItsReason) {
    const std::pair<const char*, std::string> broken[] = {
        {"damaged.geojson", R"({"type":"FeatureCollection","features":[{"type":)"},
        {"lines.gpx", gpxHead + R"(<rte><rtept lat="37" lon="23"/><rtept lat="38" lon="24"/>)"
                                R"(</rte></gpx>)"},
        {"picture.kml", "\x89PNG\r\n\x1a\n"},
    };
    for (const auto& [name, text] : broken) {
        const PointFile read = reader.readPointFile(write(name, text));
        EXPECT_NE(read.error.find(name), std::string::npos) << read.error;
        EXPECT_TRUE(read.features.empty()) << name;
    }
    const PointFile absent = reader.readPointFile(dir.filePath("absent.kml").toStdString());
    EXPECT_NE(absent.error.find("«absent.kml» δεν υπάρχει"), std::string::npos) << absent.error;
}

} // namespace
} // namespace tarvanel
