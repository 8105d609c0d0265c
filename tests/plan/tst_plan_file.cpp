// The plan file: every input back as typed, under any locale; each kind of
// problem named with nothing read; a failed save leaving the old file.

#include "plan/plan_file.h"
#include "plan/recent_plans.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace tarvanel;

namespace {

// Every member set, each text its own, both ends in mW.
LinkInputs everyInput() {
    LinkInputs in;
    in.link.end1 = {"100", PowerUnit::mW, "15", "0,22", "10", "2"};
    in.link.end2 = {"50.5", PowerUnit::mW, "16", "0.10", "11", "3"};
    in.link.frequency = "2437";
    in.link.sensitivity = "-80";
    in.link.margin = "10";
    in.channel = "6";
    in.linkDistance = "5,5";
    in.position1 = "37°58'31.9\"N 23°44'05.4\"E";
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

const QByteArray kHead = R"({"format": "tarvanel-plan", "version": 1)";

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
        const QByteArray json = planJson(everyInput());
        QVERIFY(json.contains(R"("cable_loss_db_per_m_1": "0,22")"));
        QVERIFY(json.contains(R"("earth_factor_k": "2/3")"));
        const PlanReading back = readPlanJson(json);
        QVERIFY(!back.problem);
        QVERIFY(back.inputs == everyInput());
        QVERIFY(readPlanJson(planJson(LinkInputs{})).inputs == LinkInputs{});
    }

    // Saved under el_GR, opened under en_US and sv_SE: the same texts.
    void theLocaleDoesNotChangeAPlan() {
        const QString path = m_dir.filePath("el.tarvanel");
        QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
        QCOMPARE(savePlan(path, everyInput()), QString());
        for (const char* name : {"en_US", "sv_SE"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(name)));
            const PlanReading back = openPlan(path);
            QVERIFY2(back.inputs == everyInput(), name);
            QCOMPARE(back.inputs->link.end1.lossPerMetre, std::string("0,22"));
        }
        QLocale::setDefault(QLocale::c());
    }

    void missingKeysKeepTheirDefaultUnknownOnesAreIgnored() {
        const PlanReading back =
            readPlanJson(kHead + R"(, "channel": "11", "from_a_later_program": {"x": [1]}})");
        LinkInputs expected;
        expected.channel = "11";
        QVERIFY(back.inputs == expected);
    }

    void problems_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail");
        const auto plan = [](const char* rest) { return kHead + rest; };
        using K = PlanProblemKind;
        const QByteArray cut = plan(R"(, "channel": "6")");
        QTest::newRow("cut short") << cut << int(K::Damaged) << QString::number(cut.size());
        QTest::newRow("empty") << QByteArray() << int(K::Damaged) << "0";
        QTest::newRow("an array") << QByteArray("[1]") << int(K::NotAPlan) << "";
        QTest::newRow("no format") << QByteArray(R"({"version": 1})") << int(K::NotAPlan) << "";
        QTest::newRow("other format")
            << QByteArray(R"({"format": "geojson", "version": 1})") << int(K::NotAPlan) << "";
        QTest::newRow("newer") << QByteArray(R"({"format": "tarvanel-plan", "version": 2})")
                               << int(K::NewerVersion) << "2";
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
        QVERIFY(!reading.inputs);
        QCOMPARE(int(reading.problem->kind), kind);
        QCOMPARE(reading.problem->detail, detail);
        const QString text = planProblemText(*reading.problem, path);
        QVERIFY2(text.contains("«" + path + "»") && text.contains(detail), qPrintable(text));
    }

    void unreadableFiles() {
        for (const QString& path : {m_dir.filePath("none.tarvanel"), m_dir.path()}) {
            const PlanReading reading = openPlan(path);
            QVERIFY(!reading.inputs && reading.problem->kind == PlanProblemKind::Unreadable);
        }
    }

    // A disk that fills halfway (a file size limit, which holds for root too)
    // and a folder that is not there: the old plan stays whole, nothing is left behind.
    void aFailedSaveLeavesTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kept.tarvanel");
        QCOMPARE(savePlan(path, LinkInputs{}), QString());
        const QByteArray before = planJson(LinkInputs{});

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit;
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{static_cast<rlim_t>(before.size() / 2), limit.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const QString problem = savePlan(path, everyInput());
        setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(problem.contains("«" + path + "»") && problem.contains("γεμάτος"),
                 qPrintable(problem));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.tarvanel"});

        QVERIFY(!savePlan(dir.filePath("no/such/folder.tarvanel"), LinkInputs{}).isEmpty());
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
