// The sites' window, opened from the main window by its shortcut: its tables
// worked by keys and heard with their columns' names, sites edited, pasted,
// imported, the worked survey and its colours, a survey over a hill whose row
// made current gives the path panel's own figures, and a cancelled survey.
#include "elevation/elevation_loader.h"
#include "sites/sites_window.h"
#include "survey/survey_model.h"
#include "tests/elevation/synthetic_tiles.h"
#include "tests/gui/main_window_support.h"
#include "tests/survey/worked_sites.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

using namespace tarvanel;
using namespace tarvanel::testing;

class TestSitesWindow : public WindowTest {
    Q_OBJECT
    SitesWindow* m_sites = nullptr;

    // The plan given, the sites' window opened by Ctrl+Shift+T and its survey done.
    void openSites(const Plan& plan) {
        m_window->plan().replace(plan);
        QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        m_sites = m_window->findChild<SitesWindow*>();
        QVERIFY(m_sites && QTest::qWaitForWindowActive(m_sites));
        QVERIFY(surveyed());
    }
    [[nodiscard]] bool surveyed() {
        QCoreApplication::processEvents(); // the plan's changes are taken after a burst
        return QTest::qWaitFor([&] { return !survey()->running() && !survey()->waiting(); }, 20000);
    }
    SurveyModel* survey() { return m_sites->survey(); }
    QTableView* table(const char* name) {
        return control<QTableView>(*m_sites, QLatin1String(name));
    }
    // Return in a cell's editor, whose text is written once events are taken.
    void enter() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    QString status() { return control<QLabel>(*m_sites, "lblSitesStatus")->text(); }
    // The survey's rows as its view shows them: name and the margin there, and its colour.
    QStringList surveyShown() {
        QStringList rows;
        const QAbstractItemModel* shown = table("tblSurvey")->model();
        for (int row = 0; row < shown->rowCount(); ++row) {
            const QModelIndex margin = shown->index(row, SurveyMarginThere);
            const QColor colour = margin.data(Qt::ForegroundRole).value<QColor>();
            rows << shown->index(row, SurveyName).data().toString() + " " +
                        margin.data().toString() +
                        (colour == QColor(0, 128, 0) ? " green" : " red");
        }
        return rows;
    }

private slots:
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    // Tab goes from one table to the other through the controls between,
    // arrows move in them, and every cell is heard with its column's name.
    void keysReachBothTablesAndEveryCellIsNamed() {
        openSites(workedSites());
        table("tblSites")->setFocus();
        QStringList path;
        while (path.size() < 10 && QApplication::focusWidget() != table("tblSurvey")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            path << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(path.join(' '),
                 "cmdNewSite cmdDeleteSite cmdImportSites cmdExportPlan cboSurveySite "
                 "chkSurveyGround cmdSurveyFolder tblSurvey");
        QTest::keyClick(table("tblSurvey"), Qt::Key_Down);
        QCOMPARE(table("tblSurvey")->currentIndex().row(), 1);
        for (const char* name : {"tblSites", "tblSurvey"}) {
            QAccessibleTableInterface* cells =
                QAccessible::queryAccessibleInterface(table(name))->tableInterface();
            for (int column = 0; column < cells->columnCount(); ++column) {
                QAccessibleInterface* cell = cells->cellAt(0, column);
                const QString header =
                    table(name)->model()->headerData(column, Qt::Horizontal).toString();
                QVERIFY2(cell->text(QAccessible::Description).startsWith(header),
                         qPrintable(cell->text(QAccessible::Description)));
                QCOMPARE(cell->text(QAccessible::Name),
                         table(name)->model()->index(0, column).data().toString());
            }
        }
    }

    // Insert takes end 2's radio, F2 edits, Ctrl+C and Ctrl+V copy a row (a
    // name then twice, marked), Delete keeps a site of the current link and
    // says why.
    void editsSitesByKeys() {
        QLocale::setDefault(QLocale("el_GR"));
        openSites(workedSites());
        QTableView* sites = table("tblSites");
        sites->setFocus();
        QTest::keyClick(sites, Qt::Key_Insert);
        typeKeys(QApplication::focusWidget(), "Ε");
        enter();
        const Plan& plan = m_window->plan();
        QCOMPARE(plan.sites().size(), 5u);
        const Site& added = plan.sites()[4];
        const Site& end2 = *plan.site(plan.current().ends[1]);
        QCOMPARE(added.name, "Ε");
        QVERIFY(added.radio == end2.radio && added.mast == end2.mast);
        const QModelIndex position = sites->model()->index(4, 1);
        QCOMPARE(position.data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
        sites->setCurrentIndex(position);
        QTest::keyClick(sites, Qt::Key_F2);
        typeKeys(QApplication::focusWidget(), "38,0 23,7");
        enter();
        QVERIFY(!position.data(Qt::ForegroundRole).isValid());
        QTest::keyClick(sites, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(sites, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(plan.sites()[5].position, "38,0 23,7");
        QVERIFY(sites->model()->index(5, 0).data(Qt::FontRole).value<QFont>().italic());
        QCOMPARE(sites->model()->index(4, 0).data(Qt::ToolTipRole), "Ίδιο όνομα με τη γραμμή 6");
        QVERIFY(surveyed());
        QCOMPARE(survey()->rowCount(), 5);
        sites->clearSelection();
        sites->selectRow(0);
        QTest::keyClick(sites, Qt::Key_Delete);
        QCOMPARE(plan.sites().size(), 6u);
        QVERIFY2(status().contains("A είναι άκρο της τρέχουσας ζεύξης"), qPrintable(status()));
        sites->clearSelection();
        sites->selectRow(5);
        QTest::keyClick(sites, Qt::Key_Delete);
        QCOMPARE(plan.sites().size(), 5u);
        QLocale::setDefault(QLocale("en_US"));
    }

    // A CSV file's bad row stays red below the sites, out of the survey; a
    // file that gives no site says so once and adds nothing.
    void importsAFileAndTellsOneThatDoesNotRead() {
        openSites(workedSites());
        QTemporaryDir dir;
        writeFile(dir.filePath("nodes.csv").toStdString(),
                  "name;lat;lon;ground_m;mast_m\nE;37.99;23.70;;12\nF;91;23.70;;12\n");
        writeFile(dir.filePath("broken.geojson").toStdString(), "{\"type\":\"Feature");
        m_sites->importFile(dir.filePath("nodes.csv"));
        QCOMPARE(m_window->plan().sites().back().name, "E");
        const QModelIndex bad = table("tblSites")->model()->index(5, 1);
        QCOMPARE(bad.data().toString(), "91; 23.70");
        QVERIFY(bad.data(Qt::ToolTipRole).toString().startsWith("Θέση: Το πλάτος"));
        QVERIFY(surveyed());
        QCOMPARE(survey()->rowCount(), 4);
        QString told;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) told = box->text(), box->accept();
        });
        m_sites->importFile(dir.filePath("broken.geojson"));
        QVERIFY2(told.contains("broken.geojson"), qPrintable(told));
        QCOMPARE(m_window->plan().sites().size(), 5u);
    }

    // The worked figures, margin first; a fade margin of 5 typed in the main
    // window turns B and C green; a site edited is surveyed again alone.
    void workedSurveyFollowsThePlan() {
        Plan plan = workedSites();
        plan.setSurveySite(0);
        openSites(plan);
        auto* from = control<QComboBox>(*m_sites, "cboSurveySite");
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Down);
        QVERIFY(surveyed());
        QCOMPARE(surveyShown(), (QStringList{"B 9.62 dB red", "C 9.52 dB red", "D 0.45 dB red"}));
        typeInto(get<QLineEdit>("Text12"), "5");
        QVERIFY(surveyed());
        QCOMPARE(surveyShown(),
                 (QStringList{"B 9.62 dB green", "C 9.52 dB green", "D 0.45 dB red"}));
        QSignalSpy progress(survey(), &SurveyModel::progress);
        Site d = m_window->plan().sites()[3];
        d.sensitivity = "85";
        m_window->plan().setSite(d);
        QVERIFY(surveyed());
        QCOMPARE(progress.first().at(1).toInt(), 1);
        QCOMPARE(surveyShown().last(), "D 5.45 dB green");
    }

    // Over a hill between A and B read from a tile: Enter on B's row makes
    // A-B current with the same figures the path panel finds, also when it
    // reads the ground itself.
    void rowMadeCurrentGivesThePathPanelTheSameFigures() {
        QTemporaryDir tiles;
        writeFile(tiles.filePath("N37E023.hgt").toStdString(),
                  hgtBytes(37, 23, [](double lat, double lon) {
                      return 100 + std::max(0.0, 300 - 3000 * std::hypot(lat - 37.3, lon - 23.4));
                  }));
        Plan plan = workedSites();
        Site a = plan.sites()[0], b = plan.sites()[1];
        a.position = "37.3, 23.3", b.position = "37.3, 23.5";
        a.ground = b.ground = "";
        plan.setSite(a), plan.setSite(b);
        plan.removeSite(plan.sites()[3].id);
        plan.setSurveyFolder(tiles.path().toStdString());
        // The link between them runs from B; another one is current.
        Link ab = plan.current(), other = ab;
        other.ends = {plan.sites()[2].id, a.id};
        plan.setCurrentLink(plan.addLink(other));
        ab.ends = {b.id, a.id};
        plan.setLink(ab);
        openSites(plan);
        QTableView* shown = table("tblSurvey");
        const int rowB = shown->model()->index(0, 0).data() == "B" ? 0 : 1;
        const auto cell = [&](int column) {
            return shown->model()->index(rowB, column).data().toString();
        };
        QVERIFY2(cell(SurveyLoss).section(' ', 0, 0).toDouble() > 10, qPrintable(cell(SurveyLoss)));
        shown->setFocus();
        shown->setCurrentIndex(shown->model()->index(rowB, 0));
        QTest::keyClick(shown, Qt::Key_Return);
        const Link& current = m_window->plan().current();
        QVERIFY(current.id == ab.id && current.ends == (std::array<SiteId, 2>{a.id, b.id}));
        m_window->setPathPanelOpen(true);
        QVERIFY(waitForTick(*m_window));
        const QStringList survey{cell(SurveyLoss), cell(SurveyMarginThere), cell(SurveyWorst),
                                 cell(SurveyFresnel).section(' ', 0, 0)};
        const auto panel = [&] {
            return QStringList{get<QLabel>("lblDiffractionLoss")->text(),
                               get<QLabel>("lblPathMargin")->text(),
                               get<QLabel>("lblWorstPoint")->text(),
                               get<QLabel>("lblFresnelZone")->text().section(' ', 0, 0)};
        };
        QCOMPARE(panel(), survey);
        QStandardPaths::setTestModeEnabled(true);
        QSettings().setValue("elevation/folder", tiles.path());
        QTimer answer; // the folder dialog, answered as the user would
        connect(&answer, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal->accept();
        });
        answer.start(50);
        QTest::mouseClick(get("cmdProfileElevation"), Qt::LeftButton);
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(panel(), survey);
    }

    // Cancelled after its first row, the survey leaves each row whole or
    // blank; going on fills the rest.
    void cancelLeavesNoHalfRow() {
        QTemporaryDir tiles;
        writeFile(tiles.filePath("N37E023.hgt").toStdString(), hgtBytes(37, 23, cone));
        Plan plan = workedSites();
        Site far = plan.sites()[1];
        for (int i = 0; i < 150; ++i) {
            far.position =
                std::to_string(37.1 + i * 0.005) + ", " + std::to_string(23.9 - i * 0.004);
            plan.addSite(far);
        }
        plan.setSurveyFolder(tiles.path().toStdString());
        m_window->plan().replace(plan);
        QTest::keyClick(m_window.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        m_sites = m_window->findChild<SitesWindow*>();
        QSignalSpy rows(survey(), &QAbstractItemModel::dataChanged);
        QVERIFY(rows.wait(10000));
        QTest::mouseClick(control<QPushButton>(*m_sites, "cmdSurveyStop"), Qt::LeftButton);
        QVERIFY(!survey()->running() && survey()->waiting() > 0);
        QVERIFY2(status().startsWith("Η έρευνα ακυρώθηκε"), qPrintable(status()));
        for (int row = 0; row < survey()->rowCount(); ++row) {
            int filled = 0;
            for (std::size_t column = SurveyDistance; column <= SurveyMarginHere; ++column)
                filled += !survey()->index(row, int(column)).data().toString().isEmpty();
            QVERIFY2(filled == 0 || filled == SurveyMarginHere - SurveyDistance + 1,
                     qPrintable(QString::number(filled)));
        }
        QTest::mouseClick(control<QPushButton>(*m_sites, "cmdSurveyStop"), Qt::LeftButton);
        QVERIFY(surveyed());
    }
};

QTEST_MAIN(TestSitesWindow)
#include "tst_sites_window.moc"
