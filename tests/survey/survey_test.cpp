// The survey from one site: the README's worked figures (flat), and sites read
// from blocks under three locales and from KML, GeoJSON and GPX files, each
// with a row that is not a site.
#include "elevation/elevation_loader.h"
#include "sites/site_rows.h"
#include "survey/survey.h"
#include "tests/survey/worked_sites.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace tarvanel {
namespace {

const NumberLocale kEnglish{".", "-", "+", "E"};
const NumberLocale kGreek{",", "-", "+", "E"};
const NumberLocale kSwedish{",", "\u2212", "+", "\u00d710^"};

struct WorkedRow {
    const char* name;
    const char* km;
    const char* out;
    const char* back;
    const char* received;
    const char* margin;
    Tone atFadeMargin5;
};

TEST(Survey, WorkedFiguresFromA) {
    const WorkedRow expected[] = {
        {"B", "6.333", "38.8°", "218.8°", "-70.38 dBm", "9.62 dB", Tone::Good},
        {"C", "6.408", "218.0°", "37.9°", "-70.48 dBm", "9.52 dB", Tone::Good},
        {"D", "18.194", "319.5°", "139.4°", "-79.55 dBm", "0.45 dB", Tone::Bad},
    };
    for (const char* fadeMargin : {"10", "5"}) {
        const Plan plan = testing::workedSites(fadeMargin);
        const std::vector<SurveyRow> rows = surveyRows(plan, {}, kEnglish);
        ASSERT_EQ(rows.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const WorkedRow& w = expected[i];
            const auto& cells = rows[i].cells;
            SCOPED_TRACE(std::string(w.name) + " at fade margin " + fadeMargin);
            EXPECT_EQ(cells[SurveyName], w.name);
            EXPECT_EQ(cells[SurveyDistance], w.km);
            EXPECT_EQ(cells[SurveyBearingOut], w.out);
            EXPECT_EQ(cells[SurveyBearingBack], w.back);
            EXPECT_EQ(cells[SurveyGround], "χωρίς έδαφος");
            EXPECT_TRUE(cells[SurveyWorst].starts_with("ελεύθερο ύψος ")) << cells[SurveyWorst];
            EXPECT_EQ(cells[SurveyLoss], "");
            // The same radios each way but for the cables: the same level back.
            for (SurveyColumn level : {SurveyReceivedThere, SurveyReceivedHere})
                EXPECT_EQ(cells[level], w.received);
            for (SurveyColumn margin : {SurveyMarginThere, SurveyMarginHere}) {
                EXPECT_EQ(cells[margin], w.margin);
                EXPECT_EQ(rows[i].tones[margin], *fadeMargin == '5' ? w.atFadeMargin5 : Tone::Bad);
            }
        }
        const SheetSection sheet = surveySection(plan, rows);
        EXPECT_EQ(sheet.heading, "Έρευνα από A");
        EXPECT_EQ(sheet.table.rows[2][SurveyMarginThere], "0.45 dB");
        EXPECT_EQ(sheet.table.tones[0][SurveyMarginHere], rows[0].tones[SurveyMarginHere]);
    }
}

// Each way is received with the receiving site's own sensitivity; a site whose
// position does not read is left out.
TEST(Survey, EachWayWithItsReceiversSensitivity) {
    Plan plan = testing::workedSites();
    Site d = plan.sites()[3];
    d.sensitivity = "85";
    plan.setSite(d);
    Site c = plan.sites()[2];
    c.position = "37.93";
    plan.setSite(c);
    const std::vector<SurveyRow> rows = surveyRows(plan, {}, kGreek);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].cells[SurveyMarginThere], "5,45 dB");
    EXPECT_EQ(rows[1].cells[SurveyMarginHere], "0,45 dB");
    EXPECT_NEAR(*rows[1].marginThere - *rows[1].marginHere, 5.0, 1e-5);
}

struct Read {
    std::string name, position, ground, mast, problem; // the problem's start
};
struct Block {
    const char* what;
    NumberLocale locale;
    std::string text;
    std::vector<Read> rows;
};

TEST(SiteRows, BlocksAndFiles) {
    Site radio;
    radio.mast = "15";
    const Block blocks[] = {
        {"a header with the position",
         kEnglish,
         "name;position;ground_m;mast_m\nA;37.97552, 23.73484;100;20\n\nB;38.02, abc;100;15\n",
         {{"A", "37.97552, 23.73484", "100", "20", ""}, {"B", "38.02, abc", "100", "15", "Θέση:"}}},
        {"latitude and longitude with decimal commas, columns left out",
         kGreek,
         "\xEF\xBB\xBFName;LAT;Lon;ground_m;comment\r\nC;37,93;23,69;120;x\r\nD;38,1;23,6;3ΟΟ\r\n",
         {{"C", "37,93; 23,69", "120", "15", ""},
          {"D", "38,1; 23,6", "3ΟΟ", "15", "Έδαφος m: δεν είναι αριθμός"}}},
        {"no header: the table's order, tabs",
         kSwedish,
         "E\t38,0 23,7\t50\t8\t17\tmW\nF\t38.0 23.7\t\t\t\tW\n",
         {{"E", "38,0 23,7", "50", "8", ""}, {"F", "38.0 23.7", "", "", "Μονάδα: dBm ή mW"}}},
        {"commas between quoted cells",
         kEnglish,
         "name,position\n\"G\",\"37.9, 23.8\"\nH,1,2\n",
         {{"G", "37.9, 23.8", "", "15", ""}, {"H", "1", "", "15", "Περισσότερα κελιά"}}},
        // The table copies cells unquoted, which would lose them.
        {"blanks inside quotes are not kept",
         kEnglish,
         "name,position,mast_m\n\" I \",\" 37.8, 23.8 \",12\n",
         {{"I", "37.8, 23.8", "", "12", ""}}},
    };
    for (const Block& block : blocks) {
        SCOPED_TRACE(block.what);
        const std::vector<SiteRow> rows = readSiteRows(block.text, radio, block.locale);
        ASSERT_EQ(rows.size(), block.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Read& r = block.rows[i];
            EXPECT_EQ(rows[i].site.name, r.name);
            EXPECT_EQ(rows[i].site.position, r.position);
            EXPECT_EQ(rows[i].site.ground, r.ground);
            EXPECT_EQ(rows[i].site.mast, r.mast);
            EXPECT_TRUE(rows[i].problem.starts_with(r.problem) &&
                        r.problem.empty() == rows[i].problem.empty())
                << rows[i].problem;
        }
    }
    EXPECT_EQ(readSiteRows("E\t1\t2\t3\t17\tmW", radio, kEnglish)[0].site.radio.unit,
              PowerUnit::mW);
}

// Each format's points as sites, with the locale's decimal mark, their height
// as the ground unless a field gives it; a line or a point without a place
// stays a row with the file's reason.
TEST(SiteRows, FromVectorFiles) {
    QTemporaryDir dir;
    ElevationReader reader{{QStringLiteral(TARVANEL_TEST_PLUGIN_DIR)}};
    struct File {
        const char* name;
        std::string text;
        const char* ground; // the file's field, or its height written
        const char* mast;
    };
    const File files[] = {
        {"sites.kml",
         R"(<?xml version="1.0" encoding="UTF-8"?><kml xmlns="http://www.opengis.net/kml/2.2">)"
         R"(<Document><Placemark><name>Υμηττός</name><Point><coordinates>23.8012345,37.9512345,)"
         R"(1026</coordinates></Point></Placemark><Placemark><name>Γραμμή</name><LineString>)"
         R"(<coordinates>23.7,37.9 23.8,37.95</coordinates></LineString></Placemark></Document></kml>)",
         "1026,0", ""},
        {"sites.geojson",
         R"({"type":"FeatureCollection","features":[{"type":"Feature","properties":{"name":)"
         R"("Υμηττός","ground_m":"1026.0","mast_m":12},"geometry":{"type":"Point","coordinates":)"
         R"([23.8012345,37.9512345]}},{"type":"Feature","properties":{"name":"Γραμμή"},)"
         R"("geometry":null}]})",
         "1026.0", "12"},
        {"sites.gpx",
         R"(<?xml version="1.0"?><gpx version="1.1" creator="t" xmlns="http://www.topografix.com/)"
         R"(GPX/1/1"><wpt lat="37.9512345" lon="23.8012345"><ele>1026</ele><name>Υμηττός</name>)"
         R"(</wpt><trk><name>Γραμμή</name><trkseg><trkpt lat="37.97" lon="23.72"/><trkpt )"
         R"(lat="37.98" lon="23.73"/></trkseg></trk></gpx>)",
         "1026,0", ""},
    };
    for (const auto& [name, text, ground, mast] : files) {
        SCOPED_TRACE(name);
        const std::string path = dir.filePath(name).toStdString();
        std::ofstream(path) << text;
        const PointFile points = reader.readPointFile(path);
        ASSERT_EQ(points.error, "");
        const std::vector<SiteRow> rows = siteRowsOf(points.features, Site{}, kGreek);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].problem, "");
        EXPECT_EQ(rows[0].site.name, "Υμηττός");
        EXPECT_EQ(rows[0].site.position, "37,9512345; 23,8012345");
        EXPECT_EQ(rows[0].site.ground, ground);
        EXPECT_EQ(rows[0].site.mast, mast);
        EXPECT_EQ(rows[1].site.name, "Γραμμή");
        EXPECT_NE(rows[1].problem, "");
    }
}

} // namespace
} // namespace tarvanel
