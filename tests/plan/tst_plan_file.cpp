// The plan file: every input back as typed, under any locale; each kind of
// problem named with nothing read; a failed save leaving the old file.

#include "plan_file/plan_fields.h"
#include "plan_file/plan_file.h"
#include "plan_file/plan_json.h"
#include "plan_file/recent_plans.h"
#include "texts/link_sheet.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace tarvanel;

namespace {

// Every member of one link set, each text its own, both ends in mW.
LinkInputs everyInput() {
    LinkInputs in;
    in.link.end1 = {"100", PowerUnit::mW, "15", "0,22", "10", "2"};
    in.link.end2 = {"50.5", PowerUnit::mW, "16", "0.10", "11", "3"};
    in.link.frequency = "2437";
    in.link.sensitivity = "-80";
    in.link.margin = "10";
    in.channel = "6";
    in.linkDistance = "5,5";
    in.position1 = "37°58′31.9″N 23°44′05.4″E";
    in.position2 = "37.9, 23.8";
    in.declination = "4,5";
    in.path = {EarthFactor::Low,
               "100",
               "20",
               "110",
               "15",
               {{"1", "120", "0"}, {"2,5", "150.5", "12"}, {"", "x", ""}},
               "profile.csv"};
    in.rates = {RateSet::Dot11nTwoStreams, {{"-82", ""}, {}, {"", "17"}}, "-61", "-62,5", "8", "9"};
    return in;
}

// Three sites and two links: every input of the first link set, a third site
// of its own and a second link, current, from it to the second site; the map
// moved.
Plan everyPlan() {
    Plan plan;
    plan.setCurrentInputs(everyInput());
    Site third;
    third.name = "Κορυφή Γ";
    third.position = "38.1, 23.6";
    third.ground = "300";
    third.mast = "10";
    third.radio = {"17", PowerUnit::dBm, "18", "0.1", "5", "2"};
    third.sensitivity = "85";
    Link link;
    link.ends = {plan.addSite(third), plan.sites()[1].id};
    link.frequency = "2462";
    link.rateStandard = RateSet::Dot11g;
    link.band = Band::GHz5;
    link.width = ChannelWidth::MHz80;
    link.tpc = false;
    link.readings[1].beamwidth = "30";
    plan.setCurrentLink(plan.addLink(link));
    plan.setMapPlace(MapPlace{37.99, 23.75, 20.5});
    plan.setSurveySite(link.ends[0]);
    plan.setSurveyFolder("/δεδομένα/srtm");
    return plan;
}

// What today's version-1 plans hold: one link, its ends' keys ending in _1, _2.
const QByteArray kVersion1 = R"({
    "format": "tarvanel-plan", "version": 1,
    "frequency_mhz": "2437", "channel": "6", "sensitivity_dbm": "-80", "fade_margin_db": "10",
    "power_1": "100", "power_unit_1": "mW", "gain_dbi_1": "15", "cable_loss_db_per_m_1": "0,22",
    "cable_length_m_1": "10", "connectors_1": "2",
    "power_2": "50.5", "power_unit_2": "mW", "gain_dbi_2": "16", "cable_loss_db_per_m_2": "0.10",
    "cable_length_m_2": "11", "connectors_2": "3",
    "link_distance_km": "5,5", "position_1": "37°58′31.9″N 23°44′05.4″E",
    "position_2": "37.9, 23.8", "declination_deg": "4,5", "earth_factor_k": "2/3",
    "ground_m_1": "100", "mast_m_1": "20", "ground_m_2": "110", "mast_m_2": "15",
    "profile_points": [{"distance_km": "1", "ground_m": "120", "clutter_m": "0"},
    {"distance_km": "2,5", "ground_m": "150.5", "clutter_m": "12"},
    {"distance_km": "", "ground_m": "x", "clutter_m": ""}],
    "profile_source": "profile.csv", "rate_standard": "802.11n-2ss",
    "rate_overrides": [{"sensitivity_dbm": "-82", "power_dbm": ""}, {},
    {"sensitivity_dbm": "", "power_dbm": "17"}],
    "measured_level_dbm_1": "-61", "measured_level_dbm_2": "-62,5",
    "beamwidth_deg_1": "8", "beamwidth_deg_2": "9"})";

const QByteArray kHead = R"({"format": "tarvanel-plan", "version": 2)";
const QByteArray kTwoSites = R"(, "sites": [{}, {}])";

} // namespace

class TestPlanFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        QCoreApplication::setOrganizationName("tarvanel-tests");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void everyInputComesBackAsTyped() {
        const QByteArray json = planJson(everyPlan());
        QVERIFY(json.contains(R"("cable_loss_db_per_m": "0,22")"));
        QVERIFY(json.contains(R"("earth_factor_k": "2/3")"));
        // The first link's band is the default: a plan without the keys reads as it.
        QVERIFY(json.contains(R"("band": "5 GHz")") && json.contains(R"("tpc": false)") &&
                json.contains(R"("channel_width_mhz": "80")"));
        const PlanReading back = readPlanJson(json);
        QVERIFY(!back.problem);
        QVERIFY(*back.plan == everyPlan());
        QVERIFY(back.plan->inputs(back.plan->links()[0].id) == everyInput());
        QVERIFY(*readPlanJson(planJson(Plan{})).plan == Plan{});
    }

    // A version-1 plan opens as its link between two sites, every text as it was.
    void version1PlansOpen() {
        const PlanReading back = readPlanJson(kVersion1);
        QVERIFY2(!back.problem, back.problem ? qPrintable(back.problem->detail) : "");
        QVERIFY(back.plan->currentInputs() == everyInput());
        QCOMPARE(back.plan->sites().size(), 2u);
        QCOMPARE(back.plan->sites()[0].sensitivity, "-80");
    }

    // Saved under el_GR, opened under en_US and sv_SE: the same texts.
    void theLocaleDoesNotChangeAPlan() {
        const QString path = m_dir.filePath("el.tarvanel");
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        QCOMPARE(savePlan(path, everyPlan()), QString());
        for (const char* name : {"en_US", "sv_SE"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(name)));
            const PlanReading back = openPlan(path);
            QVERIFY2(*back.plan == everyPlan(), name);
            QCOMPARE(back.plan->sites()[0].radio.lossPerMetre, std::string("0,22"));
        }
        QLocale::setDefault(QLocale::c());
    }

    void missingKeysKeepTheirDefaultUnknownOnesAreIgnored() {
        const PlanReading back = readPlanJson(
            kHead + kTwoSites +
            R"(, "links": [{"ends": [{"site": 1}, {"site": 0}], "channel": "11"}], "x": {"y": [1]}})");
        QVERIFY(!back.problem);
        QCOMPARE(back.plan->current().channel, "11");
        QCOMPARE(back.plan->current().ends, (std::array<SiteId, 2>{2, 1}));
        QVERIFY(!back.plan->mapPlace());
        // A map without its scale, or out of range, fits the plan.
        for (const char* map :
             {R"({"centre_latitude": 38, "centre_longitude": 23})",
              R"({"centre_latitude": 91, "centre_longitude": 23, "metres_per_pixel": 1})"})
            QVERIFY(!readPlanJson(kHead + kTwoSites +
                                  R"(, "links": [{"ends": [{"site": 1}, {"site": 0}]}], "map": )" +
                                  map + "}")
                         .plan->mapPlace());
        QVERIFY(back.plan->surveySite() == 0 && back.plan->surveyFolder().empty());
    }

    void problems_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail");
        const auto plan = [](const char* rest) {
            return QByteArray(R"({"format": "tarvanel-plan", "version": 1)") + rest;
        };
        const auto plan2 = [](const char* links, const char* rest = "") {
            return kHead + kTwoSites + R"(, "links": )" + links + rest + "}";
        };
        using K = PlanProblemKind;
        const QByteArray cut = plan(R"(, "channel": "6")");
        QTest::newRow("cut short") << cut << int(K::Damaged) << QString::number(cut.size());
        QTest::newRow("empty") << QByteArray() << int(K::Damaged) << "0";
        QTest::newRow("an array") << QByteArray("[1]") << int(K::NotAPlan) << "";
        QTest::newRow("no format") << QByteArray(R"({"version": 1})") << int(K::NotAPlan) << "";
        QTest::newRow("other format")
            << QByteArray(R"({"format": "geojson", "version": 1})") << int(K::NotAPlan) << "";
        QTest::newRow("newer") << QByteArray(R"({"format": "tarvanel-plan", "version": 3})")
                               << int(K::NewerVersion) << "3";
        QTest::newRow("newer beyond any int")
            << QByteArray(R"({"format": "tarvanel-plan", "version": 1.1e21})")
            << int(K::NewerVersion) << "1.1e+21";
        QTest::newRow("no version")
            << QByteArray(R"({"format": "tarvanel-plan"})") << int(K::WrongValue) << "version";
        QTest::newRow("version 1.5") << QByteArray(R"({"format": "tarvanel-plan", "version": 1.5})")
                                     << int(K::WrongValue) << "version";
        QTest::newRow("number") << plan(R"(, "gain_dbi_1": 15})") << int(K::WrongValue)
                                << "gain_dbi_1";
        QTest::newRow("null") << plan(R"(, "channel": null})") << int(K::WrongValue) << "channel";
        QTest::newRow("unit") << plan(R"(, "power_unit_2": "W"})") << int(K::WrongValue)
                              << "power_unit_2";
        QTest::newRow("k") << plan(R"(, "earth_factor_k": 1.33})") << int(K::WrongValue)
                           << "earth_factor_k";
        QTest::newRow("points") << plan(R"(, "profile_points": {}})") << int(K::WrongValue)
                                << "profile_points";
        QTest::newRow("a point") << plan(R"(, "profile_points": [{}, 4]})") << int(K::WrongValue)
                                 << "profile_points[1]";
        QTest::newRow("a ground") << plan(R"(, "profile_points": [{"ground_m": 5}]})")
                                  << int(K::WrongValue) << "profile_points[0].ground_m";
        QTest::newRow("a rate row") << plan(R"(, "rate_overrides": [{"power_dbm": []}]})")
                                    << int(K::WrongValue) << "rate_overrides[0].power_dbm";
        QTest::newRow("no sites") << kHead + R"(, "links": []})" << int(K::WrongValue) << "sites";
        QTest::newRow("one site") << kHead + R"(, "sites": [{}], "links": []})"
                                  << int(K::WrongValue) << "sites";
        QTest::newRow("a site's mast") << kHead + R"(, "sites": [{}, {"mast_m": 10}], "links": []})"
                                       << int(K::WrongValue) << "sites[1].mast_m";
        QTest::newRow("no links") << plan2("[]") << int(K::WrongValue) << "links";
        QTest::newRow("one end") << plan2(R"([{"ends": [{"site": 0}]}])") << int(K::WrongValue)
                                 << "links[0].ends";
        QTest::newRow("no such site") << plan2(R"([{"ends": [{"site": 0}, {"site": 2}]}])")
                                      << int(K::WrongValue) << "links[0].ends[1].site";
        QTest::newRow("the same site") << plan2(R"([{"ends": [{"site": 1}, {"site": 1}]}])")
                                       << int(K::WrongValue) << "links[0].ends";
        QTest::newRow("a reading")
            << plan2(R"([{"ends": [{"site": 0, "beamwidth_deg": 8}, {"site": 1}]}])")
            << int(K::WrongValue) << "links[0].ends[0].beamwidth_deg";
        QTest::newRow("the map's scale") << plan2(R"([{"ends": [{"site": 0}, {"site": 1}]}])",
                                                  R"(, "map": {"metres_per_pixel": "20"})")
                                         << int(K::WrongValue) << "map.metres_per_pixel";
        QTest::newRow("no such link")
            << plan2(R"([{"ends": [{"site": 0}, {"site": 1}]}])", R"(, "current_link": 1)")
            << int(K::WrongValue) << "current_link";
        QTest::newRow("no such survey site")
            << plan2(R"([{"ends": [{"site": 0}, {"site": 1}]}])", R"(, "survey_site": 2)")
            << int(K::WrongValue) << "survey_site";
        QTest::newRow("a survey folder")
            << plan2(R"([{"ends": [{"site": 0}, {"site": 1}]}])", R"(, "survey_folder": 1)")
            << int(K::WrongValue) << "survey_folder";
    }
    void problems() {
        QFETCH(QByteArray, json);
        QFETCH(int, kind);
        QFETCH(QString, detail);
        const QString path = m_dir.filePath("bad.tarvanel");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(json) == json.size());
        file.close();
        const PlanReading reading = openPlan(path);
        QVERIFY(!reading.plan);
        QCOMPARE(int(reading.problem->kind), kind);
        QCOMPARE(reading.problem->detail, detail);
        const QString text = planProblemText(*reading.problem, path);
        QVERIFY2(text.contains("«" + path + "»") && text.contains(detail), qPrintable(text));
    }

    void unreadableFiles() {
        for (const QString& path : {m_dir.filePath("none.tarvanel"), m_dir.path()}) {
            const PlanReading reading = openPlan(path);
            QVERIFY(!reading.plan && reading.problem->kind == PlanProblemKind::Unreadable);
        }
    }

    // A disk that fills halfway (a file size limit, which holds for root too)
    // and a folder that is not there: the old plan stays whole, nothing is left behind.
    void aFailedSaveLeavesTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.tarvanel");
        QCOMPARE(savePlan(path, Plan{}), QString());
        const QByteArray before = planJson(Plan{});

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{static_cast<rlim_t>(before.size() / 2), limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const QString problem = savePlan(path, everyPlan());
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(problem.contains("«" + path + "»") && problem.contains("γεμάτος"),
                 qPrintable(problem));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.tarvanel"});

        QVERIFY(!savePlan(dir.filePath("no/such/folder.tarvanel"), Plan{}).isEmpty());
    }

    // A field the summary and the report show with a key is kept under it.
    void theSheetNamesThePlansKeys() {
        QSet<QString> keys;
        const auto add = [&keys](auto fields) {
            for (const auto& field : fields)
                keys << QString::fromUtf8(field.key);
        };
        add(siteFields());
        add(linkFields());
        add(aimFields());
        for (const SheetField& field : linkSheetFields())
            if (field.planKey) QVERIFY2(keys.contains(field.planKey), field.planKey);
    }

    void theFiveMostRecentPlans() {
        for (const char* name : {"a", "b", "c", "d", "e", "f", "b"})
            rememberPlan(m_dir.filePath(name));
        forgetPlan(m_dir.filePath("d"));
        QStringList names;
        for (const QString& path : recentPlans())
            names << QFileInfo(path).fileName();
        QCOMPARE(names, (QStringList{"b", "f", "e", "c"}));
    }
};

QTEST_GUILESS_MAIN(TestPlanFile)
#include "tst_plan_file.moc"
