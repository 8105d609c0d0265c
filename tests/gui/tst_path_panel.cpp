// The link at its distance through the window. The installer's read-outs: a
// typed link distance gives the received level, the margin in green or red
// and the clearance; the summary on the clipboard holds inputs and results.
// The path panel: opened by the keyboard, typed, read, closed; and the side
// view's obstacle in the verdict's colour at its place.

#include "app/dialog_language.h"
#include "app/link_summary.h"
#include "app/report_export.h"
#include "elevation/elevation_loader.h"
#include "path/path_side_view.h"
#include "plan_file/plan_file.h"
#include "plan_ui/plan_controller.h"
#include "tests/gui/main_window_support.h"
#include "texts/link_texts.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tarvanel::testing;

class TestPathPanel : public WindowTest {
    Q_OBJECT

    QString textOf(const char* name) { return get<QLabel>(name)->text(); }
    QColor colourOf(const char* name) {
        return get<QLabel>(name)->palette().color(QPalette::WindowText);
    }

    // Runs `steps` (a plan file to open, "field=text", a button or a
    // shortcut) while `answer` reads each dialog they show: it is accepted
    // when `answer` says so, else rejected.
    void answerDialogs(const QStringList& steps, const std::function<bool(QDialog*)>& answer) {
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            // Accepted later: a question it asks is answered by this timer, which
            // does not fire again while its own slot runs.
            if (dialog && answer(dialog))
                QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
            else if (dialog)
                dialog->reject();
        });
        timer.start(50);
        for (const QString& step : steps)
            if (step.contains('='))
                typeFields(step.split('='));
            else if (step.contains('/'))
                tarvanel::openPlanIn(*m_window, step);
            else if (step.startsWith("cmd"))
                get<QAbstractButton>(step)->click();
            else if (step.endsWith("...")) {
                for (QAction* action : m_window->actions())
                    if (action->text() == step) action->trigger();
            } else if (m_window->activateWindow(); QTest::qWaitForWindowActive(m_window.get()))
                QTest::keySequence(m_window.get(), QKeySequence(step)); // active after a dialog
    }

private slots:
    void initTestCase() { QVERIFY(tarvanel::speakGreekInDialogs()); }
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    void readoutsAtTheLinkDistance_data() {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QStringList>("texts"); // received, margin, clearance
        QTest::addColumn<QColor>("marginColour");
        QTest::newRow("5 km") << "5" << QStringList{"-68.33 dBm", "11.67 dB", "7.82 m"}
                              << QColor(0, 128, 0);
        QTest::newRow("10 km") << "10" << QStringList{"-74.35 dBm", "5.65 dB", "12.02 m"}
                               << QColor(255, 0, 0);
    }
    void readoutsAtTheLinkDistance() {
        QFETCH(QString, distance);
        QFETCH(QStringList, texts);
        QFETCH(QColor, marginColour);
        typeExampleLink(*m_window, ".");
        typeFields({"txtLinkDistance", distance});
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblLegalPower1") + " | " + textOf("lblLegalPower2"),
                 "7.70 dBm (5.89 mW) | 6.50 dBm (4.47 mW)");
        QCOMPARE((QStringList{textOf("lblReceived"), textOf("lblMargin"), textOf("lblClearance")}),
                 texts);
        if (!texts[1].isEmpty()) QCOMPARE(colourOf("lblMargin"), marginColour);
        QVERIFY(get("lblDistance")->toolTip().contains("6.061 Km")); // the way back
    }

    // The widest realistic text of each read-out, in the label's own font,
    // fits its rectangle, and the rectangle lies inside the two-pixel border.
    void readoutsFitInsideTheBorder() {
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        for (const auto& [name, widest] : {std::pair{"lblLegalPower1", "30,00 dBm (1000,00 mW)"},
                                           {"lblLegalPower2", "30,00 dBm (1000,00 mW)"},
                                           {"lblReceived", "-100,00 dBm"},
                                           {"lblMargin", "-20,00 dB"},
                                           {"lblClearance", "100,00 m"},
                                           {"lblPathMargin", "-100,00 dB"},
                                           {"lblLeastMast1", "1000,00 m"},
                                           {"lblTilt2", "+10,00°"},
                                           {"lblFresnelZone", "-100 % μερικώς εμποδισμένη"}}) {
            auto* label = get<QLabel>(name);
            const int width = QFontMetrics(label->font()).horizontalAdvance(widest);
            const QRect inside = label->parentWidget()->rect().adjusted(2, 2, -2, -2);
            QVERIFY2(inside.contains(label->geometry()), name);
            QVERIFY2(width <= label->contentsRect().width(),
                     qPrintable(QString("%1: %2 px").arg(name).arg(width)));
        }
    }

    // The summary reads like a report: the link, each end, the receiver, the
    // results, the read-outs and the path, in this order, each line with its
    // value; a field without one (here the channel) is left out.
    void copiesASummary() {
        typePath("15");
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        qsizetype at = 0;
        for (const char* expected :
             {"Tarvanel 0.1",
              "Συχνότητα: 2427 MHz",
              "",
              "Interface No.1",
              "Ισχύς εκπομπής: 20 dBm",
              "Αριθμός συνδετήρων: 2",
              "Συνολικές απώλειες καλωδίου: 2.7 dB",
              "Interface 1 EIRP: 32.30 dBm",
              "Εκτός νόμιμων ορίων",
              "Νόμιμη ισχύς 1: 7.70 dBm (5.89 mW)",
              "",
              "Interface No.2",
              "Απώλειες καλωδίου: 0.10 dB/m",
              "Νόμιμη ισχύς 2: 6.50 dBm (4.47 mW)",
              "",
              "Δέκτης",
              "Ευαισθησία δέκτη: 80 dBm",
              "Fade Margin: 10 dB",
              "",
              "Αποτελέσματα",
              "Μέγιστη απόσταση: 6.061 Km",
              "Αντίστροφα (Interface 2 → Interface 1): 6.061 Km. Οι δύο κατευθύνσεις φτάνουν "
              "το ίδιο.",
              "Free Space Loss: 115.8 dB",
              "Fresnel Zone Radius: 13.68 m",
              "",
              "Στην απόσταση ζεύξης",
              "Απόσταση ζεύξης: 5 km",
              "Στάθμη λήψης: -68.33 dBm",
              "Ελεύθερο ύψος: 7.82 m",
              "",
              "Διαδρομή ζεύξης",
              "Ιστός 1: 32 m",
              "Συντελεστής γης k: 4/3",
              "Χειρότερο σημείο: 2.000 km",
              "Ζώνη Fresnel: 91 % ελεύθερη",
              "Απώλεια περίθλασης: 0.00 dB",
              "Ελάχ. ιστός 1: 25.76 m",
              "Κλίση κεραίας 2: +0.14°",
              "Σημεία εδάφους: 1",
              "Πρότυπο: 802.11n"}) {
            const qsizetype found = lines.indexOf(QString::fromUtf8(expected), at);
            QVERIFY2(found >= 0, expected); // and after the line before it
            at = found + 1;
        }
        QVERIFY(!lines.join('\n').contains(": \n") && !lines.join('\n').contains("Κανάλι"));

        // The same summary from the same inputs typed into no window at all.
        const tarvanel::LinkInputs typed{
            {{"20", tarvanel::PowerUnit::dBm, "15", "0.22", "10", "2"},
             {"20", tarvanel::PowerUnit::dBm, "15", "0.10", "10", "2"},
             "2427",
             "80",
             "10"},
            "",
            "5",
            "",
            "",
            "",
            {tarvanel::EarthFactor::Standard, "", "32", "", "18", {{"2", "15", ""}}, ""},
            {}};
        const QLocale locale;
        const QStringList fromInputs =
            tarvanel::linkSummary(
                typed, tarvanel::linkTexts(typed, tarvanel::numberLocaleFrom(locale)), locale)
                .split('\n');
        QCOMPARE(lines, fromInputs);
    }

    // A plan of three sites and two links gives each link's figures with no
    // window; in the window each link, made current, shows the same texts, and
    // its own ends' fields.
    void eachLinkOfAPlan() {
        tarvanel::Plan plan;
        const auto site = [&plan](const char* name, const char* position, const char* mast,
                                  const char* lossPerMetre) {
            tarvanel::Site s;
            s.name = name;
            s.position = position;
            s.ground = "100";
            s.mast = mast;
            s.radio = {"20", tarvanel::PowerUnit::dBm, "15", lossPerMetre, "10", "2"};
            s.sensitivity = "80";
            return plan.addSite(s);
        };
        const int a = site("A", "37.97552, 23.73484", "20", "0.22");
        const int b = site("B", "38.02000, 23.78000", "15", "0.10");
        const int c = site("C", "37.93000, 23.69000", "12", "0.10");
        tarvanel::Link link;
        link.frequency = "2427";
        link.fadeMargin = "10";
        link.ends = {a, b};
        const int ab = plan.addLink(link);
        link.ends = {c, a};
        const int ca = plan.addLink(link);
        const tarvanel::NumberLocale numbers = tarvanel::numberLocaleFrom(QLocale());
        const auto received = [&](int id) {
            return tarvanel::linkTexts(plan.inputs(id), numbers).readouts.received;
        };
        QCOMPARE(received(ab), "-70.38 dBm");
        QCOMPARE(received(ca), "-70.48 dBm");

        m_window->plan().replace(plan);
        m_window->setPathPanelOpen(true);
        for (const auto& [id, mast] : {std::pair{ab, "20"}, std::pair{ca, "12"}}) {
            m_window->plan().setCurrentLink(id);
            QVERIFY(waitForTick(*m_window));
            const tarvanel::LinkTexts texts = tarvanel::linkTexts(plan.inputs(id), numbers);
            QCOMPARE(textOf("lblReceived"), QString::fromStdString(texts.readouts.received));
            QCOMPARE(textOf("lblDistance"), QString::fromStdString(texts.results.distance));
            QCOMPARE(textOf("lblBearing1"), QString::fromStdString(texts.positions.bearing1));
            QCOMPARE(get<QLineEdit>("txtMast1")->text(), mast);
        }
    }

    // A plan saved before plans held sites (version 1), under el_GR, opens
    // with the summary it had, line for line.
    void aVersion1PlanKeepsItsSummary() {
        openWindow(true);
        QLocale::setDefault(QLocale("el_GR"));
        QVERIFY(
            tarvanel::openPlanIn(*m_window, QT_TESTCASE_SOURCEDIR "/gui/data/athens_v1.tarvanel"));
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        // The summary as that version wrote it, but for its one line that had
        // lost its caption (the angles off the antenna's axis) and the band's
        // two lines that every link now has.
        QFile kept(QT_TESTCASE_SOURCEDIR "/gui/data/athens_v1_summary.txt");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(QApplication::clipboard()->text().split('\n'),
                 QString::fromUtf8(kept.readAll()).split('\n'));
    }

    // Tab from the link distance reaches the button; Space opens the panel
    // below the window, Tab walks its fields, Escape closes it again, and
    // the shortcut brings it back with its texts.
    void opensByTheKeyboardAndReadsThePath() {
        typeExampleLink(*m_window, ".");
        typeFields({"txtLinkDistance", "5"});
        QVERIFY(waitForTick(*m_window));
        const QStringList mainResults = resultTexts(*m_window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* button = get("cmdPath");
        QCOMPARE(QApplication::focusWidget(), button);
        // Built when it first opens: a closed window does not pay for it.
        QVERIFY(!m_window->findChild<QWidget*>("pnlPath"));
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(get("pnlPath")->isVisible());
        QCOMPARE(m_window->size(), QSize(550, 725));
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(button);
        QVERIFY(heard->role() == QAccessible::Button &&
                heard->text(QAccessible::Name) == tarvanel::kClosePathPanel);
        for (const char* typed : {"", "32", "", "18"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeKeys(QApplication::focusWidget(), QString::fromLatin1(typed));
        }
        QWidget* earth = QApplication::focusWidget();
        pasteIntoProfile("2\t25");
        QVERIFY(waitForTick(*m_window));
        QStringList shown;
        for (const char* name :
             {"lblWorstPoint", "lblLineOfSight", "lblEarthBulge", "lblObstacleFresnel",
              "lblObstacleClearance", "lblKnifeEdgeLoss", "lblDiffractionLoss", "lblPathMargin",
              "lblLeastMast1", "lblLeastMast2", "lblTilt1", "lblTilt2", "lblFresnelZone"})
            shown << textOf(name);
        QCOMPARE(shown.join(" | "),
                 "2.000 km | 26.40 m | 0.35 m | 12.17 m | 1.05 m | 4.99 dB | 10.69 dB | 0.98 dB | "
                 "42.43 m | 33.65 m | -0.18° | +0.14° | 9 % μερικώς εμποδισμένη");
        QCOMPARE(colourOf("lblFresnelZone"), tarvanel::kWarningRed);
        QCOMPARE(colourOf("lblPathMargin"), tarvanel::kWarningRed);
        // The worst-case earth, also for the clearance the read-outs ask.
        earth->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblEarthBulge"), "0.71 m");
        QCOMPARE(textOf("lblClearance"), "8.19 m");
        QVERIFY(get("lblClearance")->toolTip().endsWith("(k = 2/3)"));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(get("pnlPath")->isHidden());
        QCOMPARE(m_window->size(), QSize(550, 362));
        QCOMPARE(QApplication::focusWidget(), button);
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(resultTexts(*m_window), mainResults);

        // The context menu's entry is the same as the shortcut.
        const auto actions = m_window->actions();
        const auto entry = std::ranges::find(
            actions, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H), &QAction::shortcut);
        QVERIFY(entry != actions.end() && button->toolTip().contains("Ctrl+Shift+H"));
        const auto* pages = get<QTabWidget>("tabPathPages"); // the tooltip names every page
        for (int i = 0; i < pages->count(); ++i)
            QVERIFY(button->toolTip().contains(pages->tabText(i).toLower()));
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(get("pnlPath")->isVisible() && (*entry)->isChecked());
        QCOMPARE(get<QLineEdit>("txtMast2")->text(), "18");
    }

    // Positions pasted into the panel give the link distance, read-only in its
    // box, the read-outs at it and the bearings; a position that is not one
    // says why; clearing one gives the typed distance back.
    void positionsGiveTheDistance() {
        typePath("15");
        get<QTabWidget>("tabPathPages")->setCurrentIndex(2);
        for (const auto& [box, pasted] : {std::pair{"txtPosition1", "37.97552, 23.73484"},
                                          {"txtPosition2", "38.02000, 23.78000"}}) {
            QApplication::clipboard()->setText(pasted);
            QTest::mouseClick(get(box), Qt::LeftButton);
            QTest::keyClick(get(box), Qt::Key_V, Qt::ControlModifier);
        }
        QVERIFY(waitForTick(*m_window));
        auto* distance = get<QLineEdit>("txtLinkDistance");
        QCOMPARE(distance->text(), "6.333");
        QVERIFY(distance->isReadOnly());
        QCOMPARE(textOf("lblReceived"), "-70.38 dBm");
        QCOMPARE(textOf("lblBearing1") + " " + textOf("lblBearing2"), "38.8° 218.8°");
        typeFields({"txtDeclination", "5"}); // the summary: positions, distance, bearings
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString summary = QApplication::clipboard()->text();
        QVERIFY2(summary.contains("\nΘέση 1: 37.97552, 23.73484\nΘέση 2: 38.02000, 23.78000\n"
                                  "Απόσταση από τις θέσεις: 6.333 km\nΑζιμούθιο 1: 38.8°\n"
                                  "Αζιμούθιο 2: 218.8°\nΑπόκλιση πυξίδας: 5 °\n"
                                  "Πυξίδα 1 / 2: 33.8° / 213.8°\n"),
                 qPrintable(summary));
        typeFields({"txtPosition2", "91, 23"});
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(distance->text(), "5");
        QVERIFY(!distance->isReadOnly() && !get("txtPosition2")->toolTip().contains("π.χ."));
        QCOMPARE(get<QLineEdit>("txtPosition2")->palette().color(QPalette::Text),
                 tarvanel::kWarningRed);
        QCOMPARE(textOf("lblReceived"), "-68.33 dBm");
    }

    // A ground profile pasted from a spreadsheet (the locale's decimal comma
    // too) gives the worst point, the loss over the whole path and the least
    // masts; a row that is not numbers is marked and counts nowhere.
    void pastedProfileGivesThePath() {
        QLocale::setDefault(QLocale("el_GR"));
        typeExampleLink(*m_window, ",");
        typeFields({"txtFrequency", "2437", "txtLinkDistance", "10"});
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        typeFields({"txtGround1", "100", "txtMast1", "20", "txtGround2", "100", "txtMast2", "15"});
        pasteIntoProfile("1\t110\n2\t120\n3\t150,0\n4\t180\n5\t160\n6\t130\nx\ty\n7\t140\n8\t120\n"
                         "9\t110\n");
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblWorstPoint") + " " + textOf("lblDiffractionLoss") + " " +
                     textOf("lblLeastMast1") + " " + textOf("lblLeastMast2"),
                 "4,000 km 37,28 dB 142,87 m 199,31 m");
        const QAbstractItemModel* table = get<QAbstractItemView>("tblProfile")->model();
        QCOMPARE(table->rowCount(), 10);
        const QModelIndex bad = table->index(9, 0); // not a distance: the last row
        QCOMPARE(bad.data().toString(), "x");
        QCOMPARE(bad.data(Qt::ForegroundRole).value<QColor>(), tarvanel::kWarningRed);
        QVERIFY(!bad.data(Qt::ToolTipRole).toString().isEmpty());
        QCOMPARE(table->index(3, 4).data().toString(), "-369");
    }

    // Over a point 2 km, 25 m ground, 4 m clutter: a typed key replaces a
    // cell's value, also after Tab while a refresh rewrites the row; F2 keeps it.
    void typingReplacesACell() {
        typePath("25\t4");
        auto* table = get<QAbstractItemView>("tblProfile");
        table->setCurrentIndex(table->model()->index(0, 1));
        for (const char* keys : {"15\t", "7\r"}) {
            for (const char* key = keys; *key; ++key)
                QTest::keyClick(QApplication::focusWidget(), *key);
            QVERIFY(waitForTick(*m_window));
        }
        QTest::keyClick(table, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), '1');
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        const QAbstractItemModel* cells = table->model();
        QTRY_COMPARE(cells->index(0, 1).data().toString() + ' ' +
                         cells->index(0, 2).data().toString(),
                     "15 71"); // Return commits once the key is handled
    }

    // A 3″ tile written here, flat at 100 m with a cone 500 m high at 37.5 N
    // 23.5 E: the ground read along 37.5 N from 23.2 E fills the table and
    // both ends' ground, every number with the locale's mark, and the worst
    // point is the cone's top. Past 24 E no tile: no ground drawn there, and
    // its km said.
    void groundFromElevationFiles_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("end2");
        QTest::addColumn<QString>("withoutGround");
        QTest::newRow("el_GR") << "el_GR"
                               << "37.5, 23.8"
                               << "";
        QTest::newRow("de_DE, a tile missing") << "de_DE"
                                               << "37.5, 24.3"
                                               << "26,5";
    }
    void groundFromElevationFiles() {
        QFETCH(QString, locale);
        QFETCH(QString, end2);
        QFETCH(QString, withoutGround);
        QLocale::setDefault(QLocale(locale));
        QTemporaryDir folder;
        QFile tile(folder.filePath("N37E023.hgt"));
        QVERIFY(tile.open(QIODevice::WriteOnly));
        constexpr int kCells = 1201;
        QByteArray cells(kCells * kCells * 2, '\0');
        for (int row = 0; row < kCells; ++row)
            for (int column = 0; column < kCells; ++column) {
                const double off = std::hypot(row - 600.0, column - 600.0); // cells from the top
                const auto metres = static_cast<qint16>(100 + std::max(0.0, 500 - 10 * off));
                cells[2 * (row * kCells + column)] = static_cast<char>(metres >> 8);
                cells[2 * (row * kCells + column) + 1] = static_cast<char>(metres & 0xff);
            }
        tile.write(cells);
        tile.close();

        typeExampleLink(*m_window, ".");
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        get<QTabWidget>("tabPathPages")->setCurrentIndex(2);
        typeFields({"txtPosition1", "37.5, 23.2", "txtPosition2", end2, "txtMast1", "20",
                    "txtMast2", "20"});
        // The folder the user chose last time, which the dialog offers first.
        QStandardPaths::setTestModeEnabled(true);
        QSettings().setValue("elevation/folder", folder.path());
        QString asked; // the folder dialog, as a user answers it, then any message
        answerDialogs({"cmdProfileElevation"}, [&](QDialog* dialog) {
            asked += dialog->metaObject()->className();
            if (auto* box = qobject_cast<QMessageBox*>(dialog)) asked += ": " + box->text();
            return true;
        });
        QCOMPARE(asked, withoutGround.isEmpty()
                            ? "QFileDialog"
                            : "QFileDialogQMessageBox: Λείπουν τα πλακίδια: N37E024.hgt.");
        QVERIFY(waitForTick(*m_window));
        const QAbstractItemModel* table = get<QAbstractItemView>("tblProfile")->model();
        QVERIFY2(table->rowCount() > 500, qPrintable(QString::number(table->rowCount())));
        QCOMPARE(get<QLineEdit>("txtGround1")->text(), "100,0");
        QCOMPARE(get<QLineEdit>("txtGround2")->text(), withoutGround.isEmpty() ? "100,0" : "");
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                QVERIFY(!table->index(row, column).data().toString().contains('.'));
        for (const QLabel* label : get("pnlPath")->findChildren<QLabel*>())
            QVERIFY2(!label->text().contains('.'), qPrintable(label->text()));
        const double worst = QLocale().toDouble(textOf("lblWorstPoint").section(' ', 0, 0));
        QVERIFY2(std::abs(worst - 26.5) < 0.2, qPrintable(textOf("lblWorstPoint")));
        QCOMPARE(textOf("lblWithoutGround").left(4), withoutGround);
        auto* view = get<tarvanel::PathSideView>("picPathSide");
        QImage image(view->size(), QImage::Format_RGB32);
        view->render(&image);
        const QRectF plot = view->plotArea();
        const auto earthAt = [&](double share) { // in the column at `share` of the path
            const int x = qRound(plot.left() + share * plot.width());
            for (int y = qCeil(plot.top()); y < plot.bottom(); ++y)
                if (image.pixel(x, y) == qRgb(196, 170, 120)) return true;
            return false;
        };
        QVERIFY(earthAt(0.5));
        QCOMPARE(earthAt(0.95), withoutGround.isEmpty());
        // A refresh is no edit: the points are still the files'.
        QVERIFY(waitForTick(*m_window));
        QVERIFY(QString::fromStdString(m_window->inputs().path.pointsSource)
                    .endsWith(folder.path().section('/', -1)));
    }

    // Every dialog speaks Greek: no English word but file types in its title,
    // nor in the names and descriptions of what it shows. A plan's report is
    // proposed beside it, a new plan's in the last report's folder: there the
    // file exists, and Qt asks whether to replace it.
    void dialogsSpeakGreek() {
        QLocale::setDefault(QLocale("el_GR"));
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir folder;
        const QString plan = folder.filePath("σχέδιο.tarvanel"),
                      damaged = folder.filePath("χ.tarvanel");
        QVERIFY(tarvanel::savePlan(plan, {}).isEmpty());
        for (const QString& name : {folder.filePath("ζεύξη.pdf"), damaged}) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{") == 1);
        }
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        get<QTabWidget>("tabPathPages")->setCurrentIndex(2);
        QStringList seen;
        QString english;
        const auto read = [&](QDialog* dialog) {
            QString said = seen.emplace_back(dialog->windowTitle());
            for (QWidget* shows : dialog->findChildren<QWidget*>()) {
                QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(shows);
                if (shows->isVisible() && !heard->textInterface()) // not what the user typed
                    said += ' ' + heard->text(QAccessible::Name) + ' ' +
                            heard->text(QAccessible::Description);
            }
            english += said.remove(QRegularExpression( // paths, file types, all but Latin
                "/\\S*|\\b(PDF|pdf|CSV|csv|txt|JSON|hgt|GeoTIFF|[Tt]arvanel|KML|kml|GeoJSON|"
                "geojson|Google Earth)\\b|[^A-Za-z ]"));
            return seen.last() == "Αναφορά PDF" && seen.count(seen.last()) < 3; // not the question
        };
        answerDialogs({"Ctrl+S", "Ctrl+O", damaged, "cmdProfileCsv", "cmdProfileSaveCsv",
                       "Εξαγωγή...", "cmdProfileElevation", plan, "Ctrl+P", "Text2=5", plan,
                       "txtPosition1=37.5, 23.2", "txtPosition2=37.5, 23.8", "cmdProfileElevation"},
                      read);
        openWindow(true); // a new plan
        answerDialogs({"Ctrl+P"}, read);
        QCOMPARE(seen, (QStringList{"Αποθήκευση σχεδίου", "Άνοιγμα σχεδίου", "Άνοιγμα σχεδίου",
                                    "Σημεία εδάφους από αρχείο CSV", "Αποθήκευση σημείων εδάφους",
                                    "Εξαγωγή σχεδίου", "Έδαφος από αρχεία υψομέτρων", "Αναφορά PDF",
                                    "Αλλαγές χωρίς αποθήκευση",
                                    "Φάκελος με αρχεία υψομέτρων (.hgt, GeoTIFF)", "Αναφορά PDF",
                                    "Αναφορά PDF", "Αναφορά PDF"}));
        QCOMPARE(english.simplified(), QString());
        QVERIFY(QFile::exists(folder.filePath("σχέδιο.pdf")));
    }

    // At 2 km the best rate is MCS3; MCS4's datasheet sensitivity of -80 typed
    // into its row makes MCS4 the best. The radio at end 1 showing -76 dBm
    // where -60.37 is due asks to check the cable, the connectors and the path.
    void ratesAndAlignment() {
        typeExampleLink(*m_window, ".");
        typeFields({"txtLinkDistance", "2"});
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        get<QTabWidget>("tabPathPages")->setCurrentIndex(3);
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblBestRate"), "MCS3, 26 Mb/s");
        auto* table = get<QAbstractItemView>("tblRates");
        table->setFocus();
        table->setCurrentIndex(table->model()->index(4, 2)); // MCS4's sensitivity
        QTest::keyClick(table, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        typeKeys(editor, "-80");
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblBestRate"), "MCS4, 39 Mb/s");

        get<QTabWidget>("tabPathPages")->setCurrentIndex(4);
        typeFields({"txtMeasured1", "-76"});
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblTarget1"), "-60.37 dBm, 15.63 dB ασθενέστερη");
        QCOMPARE(textOf("lblAlignment1"), "ελέγξτε καλώδιο, συνδετήρες και διαδρομή");
        QCOMPARE(colourOf("lblAlignment1"), tarvanel::kWarningRed);

        // Over a hill at 6.333 km the target falls under the sensitivity, and
        // no rate keeps the fade margin: both say so, in red.
        typeFields({"txtLinkDistance", "6.333", "txtMast1", "10", "txtMast2", "10"});
        pasteIntoProfile("3\t42.4");
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblTarget1") + " | " + textOf("lblAlignment1") + " | " +
                     textOf("lblBestRate"),
                 "-103.63 dBm | κάτω από την ευαισθησία: η ζεύξη δεν θα συνδεθεί | κανένας: "
                 "λείπουν 33.63 dB στο MCS0");
        for (const char* name : {"lblTarget1", "lblAlignment1", "lblBestRate"})
            QCOMPARE(colourOf(name), tarvanel::kWarningRed);
    }

    // A plan filled in under el_GR (both ends in mW, a channel, positions, a
    // profile, a rate's datasheet figure), saved, opens in a new window under
    // en_US with every text as typed and the same figures.
    void planRoundTrip() {
        QLocale::setDefault(QLocale("el_GR"));
        typePath("25");
        typeExampleLink(*m_window, ",");
        QTest::mouseClick(get("imgMw"), Qt::LeftButton);
        QTest::mouseClick(get("ImgMw2"), Qt::LeftButton);
        QTest::keyClicks(get<QComboBox>("Combo1")->lineEdit(), "6");
        get<QTabWidget>("tabPathPages")->setCurrentIndex(2);
        typeFields({"txtPosition1", "37,97552 23,73484", "txtDeclination", "4,5"});
        get<QComboBox>("cboStandard")->setCurrentIndex(2);
        QVERIFY(waitForTick(*m_window));
        const tarvanel::LinkInputs typed = m_window->inputs();
        const QStringList shown = resultTexts(*m_window) << textOf("lblDiffractionLoss");
        QTemporaryDir folder;
        const QString path = folder.filePath("link.tarvanel");
        QCOMPARE(tarvanel::savePlan(path, m_window->plan()), QString());

        QLocale::setDefault(QLocale("en_US"));
        m_window = std::make_unique<tarvanel::FrmMain>();
        QVERIFY(tarvanel::openPlanIn(*m_window, path));
        m_window->setPathPanelOpen(true);
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(m_window->inputs(), typed);
        QCOMPARE(get<QLineEdit>("Text2")->text(), typed.link.end1.power.c_str());
        QStringList again = resultTexts(*m_window) << textOf("lblDiffractionLoss");
        QCOMPARE(again.join('|').replace('.', ','), shown.join('|'));
        QVERIFY(m_window->windowTitle().endsWith("link"));
    }

    // The report of the example link with its one point: first the verdict,
    // in red, then its figures in the order the summary gives them, the
    // rates, the side view, then the point.
    void reportsTheLink() {
        typePath("25");
        QTemporaryDir folder;
        const QString pdf = folder.filePath("ζεύξη.pdf");
        tarvanel::ElevationReader reader;
        const tarvanel::Plan& plan = m_window->plan();
        QVERIFY(tarvanel::writeLinkReport(
            pdf, tarvanel::reportOf(plan, plan.currentLink(), "δοκιμή", {reader, {}})));
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(30000));
        const QString read = QString::fromUtf8(text.readAllStandardOutput());
        qsizetype at = 0;
        for (const char* expected :
             {"δοκιμή", "Η ζεύξη δεν κλείνει",
              "Περιθώριο στα 5 km: 0.98 dB (μείον απώλεια περίθλασης 10.69 dB), fade margin 10 dB",
              "Καλύτερος ρυθμός: κανένας: λείπουν 9.02 dB στο MCS0",
              "Χειρότερο σημείο: 2.000 km, 9 % μερικώς εμποδισμένη",
              "Νόμιμη ισχύς 2: 6.50 dBm (4.47 mW)",
              "Interface No.1: Εκτός νόμιμων ορίων (EIRP 32.30 dBm)", "2427 MHz", "32.30 dBm",
              "6.061 Km", "-68.33 dBm", "10.69 dB", "0.98 dB", "Ρυθμοί δεδομένων", "MCS7",
              "Πλάγια όψη", "Σημεία εδάφους", "25"}) {
            const qsizetype found = read.indexOf(QString::fromUtf8(expected), at);
            QVERIFY2(found >= 0, expected);
            at = found;
        }
        QProcess picture; // page 1 at 20 dpi: the verdict's red in its upper fifth
        picture.start("pdftoppm", {"-png", "-r", "20", "-f", "1", "-l", "1", pdf});
        QVERIFY(picture.waitForFinished(30000));
        const QImage page = QImage::fromData(picture.readAllStandardOutput());
        int red = 0;
        for (int y = 0; y < page.height() / 5; ++y)
            for (int x = 0; x < page.width(); ++x)
                red += qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 120;
        QVERIFY2(red > 20, qPrintable(QString::number(red)));
    }

    // The obstacle stands 2 km into a 5 km path: green while the zone is
    // clear, red while it is not; showing the same profile again paints nothing.
    // Chooses an item of a drop-down with the mouse: a click on its arrow,
    // then on the item in the list.
    void clickItem(QComboBox* box, const QString& text) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 6, box->height() / 2));
        QAbstractItemView* view = box->view();
        QVERIFY2(QTest::qWaitForWindowExposed(view->window()), qPrintable(box->objectName()));
        const QModelIndex item = view->model()->index(box->findText(text), 0);
        view->scrollTo(item);
        // The list takes no release for as long as a double click lasts.
        QTest::mouseMove(view->viewport(), view->visualRect(item).center());
        QTest::qWait(QApplication::doubleClickInterval());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        QTRY_VERIFY(!view->window()->isVisible());
    }

    // 5 GHz, channel 100 and 80 MHz, chosen by keys or by the mouse: the
    // channel writes 5500 MHz, the limit and the legal powers are the
    // sub-band's, with TPC and without, the box lists the 80 MHz centres and
    // the rates are 802.11ac's at 80 MHz; 2437 typed brings 2.4 GHz back.
    void choosesTheBand_data() {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("keys") << false;
        QTest::newRow("mouse") << true;
    }
    void choosesTheBand() {
        QFETCH(bool, mouse);
        typeExampleLink(*m_window, ".");
        typeFields({"txtLinkDistance", "1"});
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        auto* band = get<QComboBox>("cboBand");
        auto* width = get<QComboBox>("cboWidth");
        auto* channel = get<QComboBox>("Combo1");
        const int narrow = channel->width();
        QVERIFY(!width->isEnabled());
        if (mouse) {
            clickItem(band, "5 GHz");
            clickItem(channel, " 100");
            clickItem(width, "80 MHz");
        } else {
            band->setFocus();
            QTest::keyClick(band, Qt::Key_Down);
            QTest::keyClicks(channel->lineEdit(), "100");
            width->setFocus();
            QTest::keyClick(width, Qt::Key_Down);
            QTest::keyClick(width, Qt::Key_Down);
        }
        QVERIFY(waitForTick(*m_window, 3));
        QCOMPARE(get<QLineEdit>("txtFrequency")->text(), " 5500");
        QCOMPARE(channel->itemText(0) + channel->itemText(channel->count() - 1), " 42 155");
        QVERIFY(channel->width() > narrow);
        QCOMPARE(resultTexts(*m_window)[2], "2.675 Km");
        QCOMPARE(textOf("lblLegalLimit") + " " + textOf("lblLegalPower1"),
                 "30 dBm 17.70 dBm (58.88 mW)");
        QCOMPARE(textOf("lblBestRate"), "MCS0, 29.3 Mb/s");
        QVERIFY(get("lblBlink1")->isVisible() && !get("lblIndoors")->isVisible());
        auto* tpc = get<QCheckBox>("chkTpc");
        if (mouse) {
            QTest::mouseClick(tpc, Qt::LeftButton, {}, QPoint(6, tpc->height() / 2));
        } else {
            tpc->setFocus();
            QTest::keyClick(tpc, Qt::Key_Space);
        }
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(textOf("lblLegalPower2"), "13.50 dBm (22.39 mW)");
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString summary = QGuiApplication::clipboard()->text();
        for (const char* line : {"Ζώνη: 5 GHz\nΕύρος: 80 MHz\nΗ συσκευή έχει TPC: όχι\n"
                                 "Όριο EIRP: 27 dBm\nΌροι της υποζώνης: DFS",
                                 "Νόμιμη ισχύς 1: 14.70 dBm (29.51 mW)"})
            QVERIFY2(summary.contains(QString::fromUtf8(line)), line);

        // WBC400 from the catalogue, scaled to 5500 MHz.
        QTest::mouseClick(get("cmdChoose"), Qt::LeftButton);
        get<QListWidget>("List1")->setCurrentRow(4);
        QTest::mouseClick(get("cmdChoose"), Qt::LeftButton);
        QCOMPARE(get<QLineEdit>("Text4")->text(), "0.3371");
        QVERIFY(get("List1")->toolTip().contains("√(5500 / 2437)"));

        typeFields({"txtFrequency", "2437"});
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(band->currentText() + " " + QString::number(channel->count()), "2,4 GHz 13");
        QCOMPARE(channel->width(), narrow);
        QVERIFY(!width->isEnabled() && !tpc->isEnabled());
        QCOMPARE(textOf("lblLegalLimit"), "20 dBm");
    }

    // Channel 36 is indoors only: the window says so in red beside the warnings.
    void saysAnIndoorsOnlyChannel() {
        typeExampleLink(*m_window, ".");
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        get<QComboBox>("cboBand")->setCurrentIndex(1);
        QTest::keyClicks(get<QComboBox>("Combo1")->lineEdit(), "36");
        QVERIFY(waitForTick(*m_window));
        QVERIFY(get("lblIndoors")->isVisible());
        QCOMPARE(colourOf("lblIndoors"), tarvanel::kWarningRed);
        QCOMPARE(textOf("lblBandRule"), "μόνο σε εσωτερικό χώρο");
        QCOMPARE(get("Text4")->toolTip(), "Απώλειες του καλωδίου ανά μέτρο στα 5 GHz, σε dB/m");
    }

    void sideViewColoursTheObstacle_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("clear") << "15" << tarvanel::kResultGreen;
        QTest::newRow("blocked") << "40" << tarvanel::kWarningRed;
    }
    void sideViewColoursTheObstacle() {
        QFETCH(QString, obstacle);
        QFETCH(QColor, colour);
        typePath(obstacle);
        QVERIFY(waitForTick(*m_window));
        auto* view = get<tarvanel::PathSideView>("picPathSide");
        QImage image(view->size(), QImage::Format_RGB32);
        view->render(&image);
        // The bitmap's set pixels (its region) are those in the verdict's colour.
        const QRectF drawn =
            QRegion(QBitmap::fromImage(image.createMaskFromColor(colour.rgb(), Qt::MaskOutColor)))
                .boundingRect();
        const QRectF plot = view->plotArea();
        QVERIFY2(!drawn.isEmpty(), "no obstacle in the verdict's colour");
        QVERIFY(std::abs(drawn.center().x() - (plot.left() + 0.4 * plot.width())) <= 1.5);
        QVERIFY(drawn.height() > 11 && drawn.bottom() <= plot.bottom());

        QCoreApplication::processEvents(); // the paint the last change asked for
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        view->installEventFilter(&counter);
        QVERIFY(waitForTick(*m_window));
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
    }
};

QTEST_MAIN(TestPathPanel)
#include "tst_path_panel.moc"
