// The plan's views in step and handed on, opened from the main window: the
// survey's rows as lines on the map and the viewshed's answer in the survey's
// table, a site chosen in either view and the current pair's row; the
// summary and a report of every link with the survey and the maps; the survey,
// the profile and the plan saved for other programs through Qt's dialogs, and
// read back. The worked sites A-D (README) over tiles the test writes: a cone
// between A and C.
#include "app/dialog_language.h"
#include "elevation/elevation_folder_setting.h"
#include "map/map_canvas.h"
#include "map/map_window.h"
#include "sites/site_rows.h"
#include "sites/sites_window.h"
#include "survey/survey_model.h"
#include "tests/elevation/synthetic_tiles.h"
#include "tests/gui/main_window_support.h"
#include "tests/survey/worked_sites.h"
#include "widgets/qt_number_locale.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

using namespace tarvanel;
using namespace tarvanel::testing;

namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    return process.readAllStandardOutput();
}

QString fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestPlanViews : public WindowTest {
    Q_OBJECT
    QTemporaryDir m_tiles;
    QTemporaryDir m_files;
    SitesWindow* m_sites = nullptr;
    MapWindow* m_map = nullptr;

    // `plan` in the main window, then its sites' window and its map opened by
    // their keys, the survey done.
    void openViews(const Plan& plan) {
        m_window->plan().replace(plan);
        for (Qt::Key key : {Qt::Key_T, Qt::Key_M})
            QTest::keyClick(m_window.get(), key, Qt::ControlModifier | Qt::ShiftModifier);
        m_sites = m_window->findChild<SitesWindow*>();
        m_map = m_window->findChild<MapWindow*>();
        QVERIFY(m_sites && m_map && QTest::qWaitForWindowExposed(m_map));
        QVERIFY(surveyed());
    }
    [[nodiscard]] bool surveyed() {
        QCoreApplication::processEvents();
        SurveyModel* survey = m_sites->survey();
        return QTest::qWaitFor([&] { return !survey->running() && !survey->waiting(); }, 20000);
    }
    QTableView* table(const char* name) {
        return control<QTableView>(*m_sites, QLatin1String(name));
    }
    // What the survey's view shows in `column`, by site: "B=ορατό C=όχι D=".
    QString surveyColumn(int column) {
        QStringList cells;
        const QAbstractItemModel* shown = table("tblSurvey")->model();
        for (int row = 0; row < shown->rowCount(); ++row)
            cells << shown->index(row, SurveyName).data().toString() + '=' +
                         shown->index(row, column).data().toString();
        cells.sort();
        return cells.join(' ');
    }
    // The map's survey lines: "1-2 red", "1-3 green", "1-4 grey".
    QString mapLines() {
        QStringList lines;
        for (const SurveyLine& line : m_map->canvas()->surveyLines())
            lines << QStringLiteral("%1-%2 %3")
                         .arg(line.from)
                         .arg(line.to)
                         .arg(!line.marginMet   ? "grey"
                              : *line.marginMet ? "green"
                                                : "red");
        return lines.join(", ");
    }
    void clickSite(SiteId id) {
        const MapCanvas* canvas = m_map->canvas();
        const Position at =
            readPosition(m_window->plan().site(id)->position, numberLocaleFrom(QLocale())).position;
        QTest::mouseClick(m_map->canvas(), Qt::LeftButton, {},
                          canvas->projection().toPixel(at).toPoint());
    }
    // Runs `act` while every modal dialog it opens is answered by `answer`.
    void answering(const std::function<void(QDialog*)>& answer, const std::function<void()>& act) {
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                answer(dialog);
        });
        timer.start(50);
        act();
    }
    // A file dialog answered with `file` typed (and its type `filter`, when given).
    static void saveAs(QDialog* dialog, const QString& file, const QString& filter = {}) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (!files) return dialog->reject();
        if (!filter.isEmpty()) files->selectNameFilter(filter);
        control<QLineEdit>(*files, "fileNameEdit")->setText(file);
        QMetaObject::invokeMethod(files, &QDialog::accept, Qt::QueuedConnection);
    }

private slots:
    void initTestCase() {
        QVERIFY(speakGreekInDialogs());
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        // A cone 500 m high, 1.25 km round, half-way from A to C; flat to the north.
        writeFile(m_tiles.filePath("N37E023.hgt").toStdString(),
                  hgtBytes(37, 23, [](double latitude, double longitude) {
                      const double metres =
                          std::hypot(latitude - 37.95276, (longitude - 23.71242) * 0.789) * 111195;
                      return 100 + std::max(0.0, 500 - 0.4 * metres);
                  }));
        writeFile(m_tiles.filePath("N38E023.hgt").toStdString(),
                  hgtBytes(38, 23, [](double, double) { return 100.0; }));
        QSettings().setValue(QString::fromLatin1(kElevationFolderSetting), m_tiles.path());
    }
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    // The survey from A as lines on the map, which turn green with a fade
    // margin of 5 typed in the main window; what A sees in the Ορατό column,
    // empty once the survey is from B.
    void surveyLinesAndSightsFollowTheSurvey() {
        openViews(workedSites());
        QCOMPARE(mapLines(), "1-2 red, 1-3 red, 1-4 red");
        typeInto(get<QLineEdit>("Text12"), "5");
        QVERIFY(surveyed());
        QCOMPARE(mapLines(), "1-2 green, 1-3 green, 1-4 red");

        m_map->selectSite(1);
        QSignalSpy seen(m_map, &MapWindow::visibilityChanged);
        QTest::mouseClick(control<QAbstractButton>(*m_map, "cmdViewshed"), Qt::LeftButton);
        QVERIFY(seen.wait(30000));
        const int sight = SurveyModel::kSightColumn;
        QCOMPARE(table("tblSurvey")->model()->headerData(sight, Qt::Horizontal), "Ορατό");
        QCOMPARE(surveyColumn(sight), "B=ορατό C=όχι D=ορατό");
        auto* from = control<QComboBox>(*m_sites, "cboSurveySite");
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Down);
        QVERIFY(surveyed());
        QCOMPARE(surveyColumn(sight), "A= C= D=");
        QCOMPARE(mapLines(), "2-1 green, 2-3 red, 2-4 red");
    }

    // A row clicked in the sites' table chooses its site on the map, a site
    // clicked on the map its row; a link clicked on the map becomes current
    // and its survey row is selected.
    void selectionFollowsBothWays() {
        openViews(workedLinks());
        QTableView* sites = table("tblSites");
        const QRect c = sites->visualRect(sites->model()->index(2, 0));
        QTest::mouseClick(sites->viewport(), Qt::LeftButton, {}, c.center());
        QCOMPARE(m_map->canvas()->selectedSite(), 3);
        clickSite(4);
        QCOMPARE(sites->currentIndex().row(), 3);
        const MapCanvas* canvas = m_map->canvas();
        const NumberLocale locale = numberLocaleFrom(QLocale());
        const auto pixel = [&](SiteId id) {
            return canvas->projection().toPixel(
                readPosition(m_window->plan().site(id)->position, locale).position);
        };
        QTest::mouseClick(m_map->canvas(), Qt::LeftButton, {},
                          ((pixel(1) + pixel(3)) / 2).toPoint());
        QCOMPARE(m_window->plan().current().ends, (std::array<SiteId, 2>{1, 3}));
        const QModelIndexList chosen = table("tblSurvey")->selectionModel()->selectedRows();
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.front().data().toString(), "C");
    }

    // Ctrl+Shift+C copies the survey after the link; Ctrl+P, asked for every
    // link, writes the links' verdicts first, in red, then the survey, the
    // maps and each link from a page of its own.
    void summaryAndPlanReportHoldTheSurveyAndTheMaps() {
        openViews(workedLinks());
        m_map->close(); // back to the main window
        m_sites->close();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString summary = QGuiApplication::clipboard()->text();
        QVERIFY2(summary.contains("\nΈρευνα από A\nΈδαφος: χωρίς έδαφος\nΤοποθεσία\tkm\t") &&
                     summary.contains("\nB\t6.333\t38.8°\t218.8°\tχωρίς έδαφος\t"),
                 qPrintable(summary));

        const QString pdf = m_files.filePath("σχέδιο.pdf");
        QString asked;
        answering(
            [&](QDialog* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                if (!box) return saveAs(dialog, pdf);
                asked = box->text();
                for (QAbstractButton* button : box->buttons()) {
                    asked += " [" + button->text() + "]";
                    if (button->text().startsWith("Όλες")) button->click();
                }
            },
            [&] { QTest::keyClick(m_window.get(), Qt::Key_P, Qt::ControlModifier); });
        QCOMPARE(asked, "Αναφορά της τρέχουσας ζεύξης ή όλων των ζεύξεων του σχεδίου; [Αυτή η "
                        "ζεύξη] [Όλες οι ζεύξεις (3)] [Άκυρο]");
        const QStringList pages =
            QString::fromUtf8(run("pdftotext", {"-layout", pdf, "-"})).split('\f');
        const QString all = pages.join(' ').simplified();
        qsizetype at = 0;
        for (const char* expected :
             {"Αναφορά σχεδίου", "Οι ζεύξεις του σχεδίου", "Άκρο 1 Άκρο 2 km Περιθώριο",
              "A B 6.333 9.62 dB", "A C 6.408 9.52 dB", "A D 18.194 0.45 dB",
              "Χάρτης των τοποθεσιών", "Σελίδα 1 από", "Έρευνα από A",
              "B 6.333 38.8° 218.8° χωρίς"}) {
            at = all.indexOf(QString::fromUtf8(expected), at);
            QVERIFY2(at >= 0, qPrintable(expected + (" in " + all)));
        }
        QStringList parts;
        for (const QString& page : pages.mid(1))
            if (page.simplified().contains(QRegularExpression("^Αναφορά σχεδίου .* Ζεύξη")))
                parts << page.simplified().section("Ζεύξη ", 1).left(5);
        QCOMPARE(parts, (QStringList{"A – B", "A – C", "A – D"}));
        // The map of the sites and one around each link, pictures of the relief.
        QCOMPARE(QString(run("pdfimages", {"-list", pdf}))
                     .count(QRegularExpression("\n +\\d+ +\\d+ image")),
                 4);
        const QImage page =
            QImage::fromData(run("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", pdf}));
        int red = 0; // the three margins
        for (int y = 0; y < page.height() / 3; ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor pixel = page.pixelColor(x, y);
                red += pixel.red() - std::max(pixel.green(), pixel.blue()) > 60;
            }
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
    }

    // Under Greek settings: the survey saved as CSV reads back through the
    // sites' import as the same sites, its figures with a decimal comma; the
    // plan exported as GeoJSON by the sites' window; the profile saved as CSV
    // reads back the same points.
    void savedTablesReadBack() {
        QLocale::setDefault(QLocale("el_GR"));
        openViews(workedSites());
        const QString survey = m_files.filePath("έρευνα.csv");
        answering([&](QDialog* dialog) { saveAs(dialog, survey); },
                  [&] { control<QAbstractButton>(*m_sites, "cmdSurveyCsv")->click(); });
        const QString text = fileText(survey);
        const QStringList header = text.section('\n', 0, 0).split(';');
        QCOMPARE(text.section('\n', 1, 1).split(';').at(header.indexOf("margin_there_db")), "9,62");
        const std::vector<SiteRow> rows =
            readSiteRows(text.toStdString(), Site{}, numberLocaleFrom(QLocale()));
        QCOMPARE(rows.size(), 3u);
        for (std::size_t i = 0; i < rows.size(); ++i) { // B, C, D: the best margin first
            Site site = rows[i].site;
            site.id = m_window->plan().sites()[i + 1].id;
            QVERIFY2(rows[i].problem.empty() && site == *m_window->plan().site(site.id),
                     site.name.c_str());
        }

        const QString plan = m_files.filePath("σχέδιο");
        answering([&](QDialog* dialog) { saveAs(dialog, plan, "GeoJSON (*.geojson)"); },
                  [&] { control<QAbstractButton>(*m_sites, "cmdExportPlan")->click(); });
        QVERIFY(fileText(plan + ".geojson").contains("\"margin_db\": 9.62"));
        QVERIFY(control<QLabel>(*m_sites, "lblSitesStatus")->text().contains("σχέδιο.geojson"));

        m_window->setPathPanelOpen(true);
        pasteIntoProfile("1,5\t120,3\n2\t130\t12");
        const std::vector<ProfilePointFields> typed = m_window->plan().current().points;
        const QString profile = m_files.filePath("σημεία.csv");
        answering([&](QDialog* dialog) { saveAs(dialog, profile); },
                  [&] { get<QAbstractButton>("cmdProfileSaveCsv")->click(); });
        QCOMPARE(fileText(profile), "distance_km;ground_m;clutter_m\n1,5;120,3;\n2;130;12\n");
        answering([&](QDialog* dialog) { saveAs(dialog, profile); },
                  [&] { get<QAbstractButton>("cmdProfileCsv")->click(); });
        QCOMPARE(m_window->plan().current().points, typed);
        QLocale::setDefault(QLocale("en_US"));
    }
};

QTEST_MAIN(TestPlanViews)
#include "tst_plan_views.moc"
