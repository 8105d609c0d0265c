// The README's worked sites A-D and the links from A, written to KML and
// GeoJSON through the plugin and read back with GDAL's own reader: four
// points at their antennas (KML's altitudes absolute), the links' margins
// and colours, the current link's Fresnel outline, and the sites read back by
// the sites' import as they were.
#include "elevation/elevation_loader.h"
#include "geo/geodesy.h"
#include "plan_export/plan_features.h"
#include "sites/site_rows.h"
#include "tests/survey/worked_sites.h"

#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tarvanel {
namespace {

const NumberLocale kEnglish{".", "-", "+", "E"};
const NumberLocale kGreek{",", "-", "+", "E"};

// The worked links from A, A-B over one point 3 km out when `hill` is
// given, so that it has a worst point.
Plan workedPlan(const char* hill = nullptr) {
    Plan plan = testing::workedLinks();
    if (hill) {
        Link ab = plan.current();
        ab.points = {{"3", hill, ""}};
        plan.setLink(ab);
    }
    return plan;
}

struct ReadFeature {
    std::string layer;
    std::string name;
    std::vector<OGRPoint> points;
    OGRFeatureUniquePtr fields;
};

std::vector<ReadFeature> readBack(const std::string& file) {
    GDALAllRegister();
    const GDALDatasetUniquePtr dataset(GDALDataset::Open(file.c_str(), GDAL_OF_VECTOR));
    std::vector<ReadFeature> read;
    if (!dataset) return read;
    for (OGRLayer* layer : dataset->GetLayers())
        for (auto& feature : *layer) {
            ReadFeature& f = read.emplace_back(
                ReadFeature{layer->GetName(), feature->GetFieldAsString("name"), {}, {}});
            const OGRGeometry* geometry = feature->GetGeometryRef();
            if (wkbFlatten(geometry->getGeometryType()) == wkbPoint)
                f.points.push_back(*geometry->toPoint());
            else
                for (const OGRPoint& p : *geometry->toLineString())
                    f.points.push_back(p);
            f.fields = std::move(feature);
        }
    return read;
}

class PlanFiles : public ::testing::TestWithParam<FeatureFormat> {
protected:
    std::string write(const Plan& plan, bool outline, const NumberLocale& locale = kEnglish) {
        const std::string file =
            m_dir.filePath(GetParam() == FeatureFormat::kml ? "plan.kml" : "plan.geojson")
                .toStdString();
        EXPECT_EQ(
            m_reader.writeFeatures({file, GetParam(), planFeatures(plan, locale, outline)}).error,
            "");
        return file;
    }
    QTemporaryDir m_dir;
    ElevationReader m_reader{{QStringLiteral(TARVANEL_TEST_PLUGIN_DIR)}};
};

TEST_P(PlanFiles, SitesAtTheirAntennasAndLinksWithTheirMargins) {
    const Plan plan = workedPlan();
    const std::string file = write(plan, true); // no worst point: no outline
    const std::vector<ReadFeature> read = readBack(file);
    ASSERT_EQ(read.size(), 7u);
    const struct {
        const char* name;
        double latitude, longitude, antenna;
    } sites[] = {{"A", 37.97552, 23.73484, 120},
                 {"B", 38.02, 23.78, 115},
                 {"C", 37.93, 23.69, 132},
                 {"D", 38.1, 23.6, 310}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(sites[i].name);
        EXPECT_EQ(read[i].name, sites[i].name);
        ASSERT_EQ(read[i].points.size(), 1u);
        EXPECT_NEAR(read[i].points[0].getY(), sites[i].latitude, 1e-7);
        EXPECT_NEAR(read[i].points[0].getX(), sites[i].longitude, 1e-7);
        EXPECT_DOUBLE_EQ(read[i].points[0].getZ(), sites[i].antenna);
        EXPECT_DOUBLE_EQ(read[i].fields->GetFieldAsDouble("antenna_asl_m"), sites[i].antenna);
    }
    const struct {
        const char* name;
        double km, margin;
    } links[] = {{"A – B", 6.333, 9.62}, {"A – C", 6.408, 9.52}, {"A – D", 18.194, 0.45}};
    for (std::size_t i = 0; i < 3; ++i) {
        const ReadFeature& link = read[4 + i];
        SCOPED_TRACE(links[i].name);
        EXPECT_EQ(link.name, links[i].name);
        EXPECT_DOUBLE_EQ(link.fields->GetFieldAsDouble("distance_km"), links[i].km);
        EXPECT_DOUBLE_EQ(link.fields->GetFieldAsDouble("margin_db"), links[i].margin);
        EXPECT_DOUBLE_EQ(link.fields->GetFieldAsDouble("fade_margin_db"), 10);
        ASSERT_EQ(link.points.size(), 2u);
        EXPECT_DOUBLE_EQ(link.points[0].getZ(), 120);
        EXPECT_NEAR(link.points[1].getY(), sites[i + 1].latitude, 1e-7);
        EXPECT_DOUBLE_EQ(link.points[1].getZ(), sites[i + 1].antenna);
        const std::string style = GetParam() == FeatureFormat::kml
                                      ? link.fields->GetStyleString()
                                      : link.fields->GetFieldAsString("stroke");
        EXPECT_NE(style.find(GetParam() == FeatureFormat::kml ? "#FF0000" : "#ff0000"),
                  std::string::npos)
            << style; // all three short of the fade margin of 10 dB
    }
    EXPECT_DOUBLE_EQ(read[4].fields->GetFieldAsDouble("bearing_1_deg"), 38.8);
    EXPECT_STREQ(read[4].fields->GetFieldAsString("description"),
                 "Απόσταση 6.333 km · Αζιμούθια 38.8° / 218.8° · Περιθώριο 9.62 dB (κάτω από το "
                 "fade margin 10 dB) · Καλύτερος ρυθμός κανένας: λείπουν 0.38 dB στο MCS0");
    if (GetParam() == FeatureFormat::kml) {
        std::stringstream kml;
        kml << std::ifstream(file).rdbuf();
        EXPECT_NE(kml.str().find("<altitudeMode>absolute</altitudeMode>"), std::string::npos);
        EXPECT_NE(kml.str().find("23.73484,37.97552,120\n"), std::string::npos)
            << kml.str().substr(0, 3000);
    }
}

// 60 % of F1 around the line of sight at A-B's worst point: a closed ring
// across the path, as wide as it is high.
TEST_P(PlanFiles, FresnelOutlineAtTheWorstPoint) {
    const std::vector<ReadFeature> read = readBack(write(workedPlan("105"), true));
    ASSERT_EQ(read.size(), 8u);
    const ReadFeature& ring = read.back();
    ASSERT_EQ(ring.points.size(), 37u);
    const double radius = ring.fields->GetFieldAsDouble("radius_m");
    const double sight = ring.fields->GetFieldAsDouble("line_of_sight_asl_m");
    EXPECT_GT(radius, 5);
    EXPECT_NEAR(ring.points[0].getZ(), sight, 0.01);
    EXPECT_NEAR(ring.points[9].getZ(), sight + radius, 0.01);
    const auto across = geodesicBetween({ring.points[0].getY(), ring.points[0].getX()},
                                        {ring.points[18].getY(), ring.points[18].getX()});
    EXPECT_NEAR(across.value.distanceKm * 1000, 2 * radius, 0.01);
    // Square to the path, which leaves A on 38.8°.
    EXPECT_NEAR(std::fmod(*across.value.bearing1 + 360 - 38.8, 180), 90, 0.1);
    EXPECT_NEAR(ring.points.front().getX(), ring.points.back().getX(), 1e-9);
    EXPECT_EQ(readBack(write(workedPlan("105"), false)).size(), 7u);
}

// The sites' import reads the file back into the same sites: every text as
// typed (a Greek decimal comma too), the position to 1e-7 degree.
TEST_P(PlanFiles, TheSitesImportGivesTheSameSites) {
    Plan plan = workedPlan();
    Site c = plan.sites()[2];
    c.radio.lossPerMetre = "0,25";
    c.ground.clear();
    plan.setSite(c);
    PointFile points;
    const std::string file = write(plan, false, kGreek);
    points = m_reader.readPointFile(file);
    ASSERT_EQ(points.error, "");
    const std::vector<SiteRow> rows = siteRowsOf(points.features, Site{}, kGreek);
    std::size_t sites = 0;
    for (const SiteRow& row : rows) {
        if (!row.problem.empty()) continue; // the links, which are lines
        const Site& before = plan.sites()[sites++];
        Site after = row.site;
        const Position read = readPosition(after.position, kGreek).position;
        const Position typed = readPosition(before.position, kGreek).position;
        EXPECT_NEAR(read.latitude, typed.latitude, 1e-7);
        EXPECT_NEAR(read.longitude, typed.longitude, 1e-7);
        after.id = before.id;
        after.position = before.position;
        EXPECT_EQ(after, before) << before.name;
    }
    EXPECT_EQ(sites, 4u);
}

INSTANTIATE_TEST_SUITE_P(Formats, PlanFiles,
                         ::testing::Values(FeatureFormat::kml, FeatureFormat::geoJson),
                         [](const auto& info) {
                             return info.param == FeatureFormat::kml ? "Kml" : "GeoJson";
                         });

} // namespace
} // namespace tarvanel
