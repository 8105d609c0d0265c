// The plan's sites and links written to KML and GeoJSON through the plugin and
// read back with OGR: positions to 1e-7 degree with their altitudes, typed
// attributes, colours, and KML's absolute altitudes.
#include "elevation/elevation_loader.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tarvanel {
namespace {

MapFeature site(const char* name, double latitude, double longitude, double altitudeM,
                std::uint32_t colour) {
    return {
        name, {{{latitude, longitude}, altitudeM}}, {{"mast_m", 12.5}, {"note", "κορυφή"}}, colour};
}

const std::vector<FeatureLayer> plan{
    {"Σταθμοί", // as many bytes as "Ζεύξεις": LIBKML would give both the same id
     {site("Υμηττός", 37.9512345678, 23.8012345678, 1038.25, 0xff000080),
      site("Πάρνηθα", 38.1712345612, 23.7123456789, 1425.5, 0x00ff00ff),
      site("Λυκαβηττός", 37.9818765432, 23.7431234567, 289.75, 0x0000ffff),
      site("Νότος", -33.8688197, -151.2092955, 12.0, 0x808080ff)}},
    {"Ζεύξεις",
     {{"Υμηττός – Πάρνηθα",
       {{{37.9512345678, 23.8012345678}, 1038.25}, {{38.1712345612, 23.7123456789}, 1425.5}},
       {{"distance_km", 25.3456789}, {"status", "ελεύθερη"}},
       0xff0000ff,
       4.0},
      {"Υμηττός – Λυκαβηττός",
       {{{37.9512345678, 23.8012345678}, 1038.25}, {{37.9818765432, 23.7431234567}, 289.75}},
       {{"distance_km", 6.25}, {"status", "εμποδισμένη"}},
       0x00ff00ff,
       2.0}}},
};

class FeatureFiles : public testing::Test {
protected:
    static std::string path(const char* name) { return dir.filePath(name).toStdString(); }
    static inline QTemporaryDir dir;
    static inline ElevationReader reader{{QStringLiteral(TARVANEL_TEST_PLUGIN_DIR)}};
};

// Every feature of every layer, in order.
std::vector<OGRFeatureUniquePtr> readBack(const std::string& file) {
    GDALAllRegister();
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(file.c_str(), GDAL_OF_VECTOR));
    std::vector<OGRFeatureUniquePtr> features;
    if (dataset)
        for (OGRLayer* layer : dataset->GetLayers())
            for (auto& feature : *layer)
                features.push_back(std::move(feature));
    return features;
}

std::vector<OGRPoint> vertices(const OGRGeometry& geometry) {
    if (wkbFlatten(geometry.getGeometryType()) == wkbPoint) return {*geometry.toPoint()};
    std::vector<OGRPoint> points;
    for (const OGRPoint& point : *geometry.toLineString())
        points.push_back(point);
    return points;
}

TEST_F(FeatureFiles, SitesAndLinksReadBackAsWritten) {
    for (const auto& [name, format] : {std::pair{"plan.kml", FeatureFormat::kml},
                                       std::pair{"plan.geojson", FeatureFormat::geoJson}}) {
        SCOPED_TRACE(name);
        std::ofstream(path(name)) << "an older file, replaced whole";
        ASSERT_EQ(reader.writeFeatures({path(name), format, plan}).error, "");
        const auto features = readBack(path(name));
        ASSERT_EQ(features.size(), 6u);
        std::size_t i = 0;
        for (const FeatureLayer& layer : plan)
            for (const MapFeature& written : layer.features) {
                const OGRFeature& read = *features[i++];
                EXPECT_STREQ(read.GetFieldAsString("name"), written.name.c_str());
                for (const FeatureAttribute& attribute : written.attributes) {
                    if (const double* number = std::get_if<double>(&attribute.value))
                        EXPECT_EQ(read.GetFieldAsDouble(attribute.key.c_str()), *number);
                    else
                        EXPECT_EQ(read.GetFieldAsString(attribute.key.c_str()),
                                  std::get<std::string>(attribute.value));
                }
                const std::vector<OGRPoint> read3d = vertices(*read.GetGeometryRef());
                ASSERT_EQ(read3d.size(), written.points.size());
                for (std::size_t v = 0; v < read3d.size(); ++v) {
                    EXPECT_NEAR(read3d[v].getY(), written.points[v].position.latitude, 1e-7);
                    EXPECT_NEAR(read3d[v].getX(), written.points[v].position.longitude, 1e-7);
                    EXPECT_NEAR(read3d[v].getZ(), written.points[v].altitudeM, 1e-7);
                }
                char colour[10];
                std::snprintf(colour, sizeof colour, "%08X", written.colourRgba);
                const std::string style = format == FeatureFormat::kml
                                              ? read.GetStyleString()
                                              : std::string(read.GetFieldAsString("marker-color")) +
                                                    read.GetFieldAsString("stroke");
                EXPECT_NE(style.find(format == FeatureFormat::kml ? colour : "#"),
                          std::string::npos)
                    << style;
            }
    }
    std::stringstream kml;
    kml << std::ifstream(path("plan.kml")).rdbuf();
    EXPECT_NE(kml.str().find("<altitudeMode>absolute</altitudeMode>"), std::string::npos);
    EXPECT_NE(kml.str().find("<extrude>1</extrude>"), std::string::npos);
}

TEST_F(FeatureFiles, FailureNamesTheFileAndLeavesNothingBehind) {
    std::vector<FeatureLayer> outOfRange = plan;
    outOfRange[1].features[0].points[1].position.latitude = 91.0;
    const std::tuple<std::string, std::vector<FeatureLayer>, const char*> failing[] = {
        {path("absent/plan.kml"), plan, "«plan.kml» δεν γράφτηκε: ο φάκελος"},
        {path("links.geojson"), outOfRange, "«links.geojson» δεν γράφτηκε: το στοιχείο «Υμηττός"},
        {path("links"), plan, "«links» δεν γράφτηκε: δεν αντικαθίσταται"}, // a folder
    };
    QDir(dir.path()).mkdir("links");
    for (const auto& [file, layers, error] : failing) {
        EXPECT_NE(reader.writeFeatures({file, FeatureFormat::kml, layers}).error.find(error),
                  std::string::npos);
        EXPECT_NE(reader.writeFeatures({file, FeatureFormat::geoJson, layers}).error.find(error),
                  std::string::npos);
    }
    // Neither the file nor its partial copy.
    EXPECT_EQ(QDir(dir.path())
                  .entryList({"links*", ".*"}, QDir::Files | QDir::Hidden)
                  .join(' ')
                  .toStdString(),
              "");
}

} // namespace
} // namespace tarvanel
