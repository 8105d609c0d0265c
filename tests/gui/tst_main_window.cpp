// The window as a whole: its state at start-up, the refresh of the results and
// warnings in the user's number conventions, the tab order, what assistive
// technology reads, the painted surface and its colours under a dark theme,
// hostile pastes, the title strip and the end of the program.

#include "app/quit_on_signal.h"
#include "plan_ui/plan_controller.h"
#include "tests/gui/main_window_support.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryFile>

#include <cmath>
#include <csignal>

using namespace tarvanel::testing;

namespace {

// The contrast ratio of two colours, reckoned from their relative luminance.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

} // namespace

class TestMainWindow : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(tarvanel::quitOnTerminationSignals()); }
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

    // Before any event is processed: the channel list filled without a channel
    // handler writing a frequency, the fields empty, both ends in dBm.
    void startUp() {
        openWindow(false);
        auto* combo = get<QComboBox>("Combo1");
        QCOMPARE(combo->count(), 13);
        for (int n = 1; n <= 13; ++n)
            QCOMPARE(combo->itemText(n - 1), QStringLiteral(" %1").arg(n));
        QCOMPARE(combo->currentText(), QString());
        QCOMPARE(get<QLineEdit>("txtFrequency")->text(), "0");
        for (const QString& name : kFields.mid(1))
            QVERIFY2(get<QLineEdit>(name)->text().isEmpty(), qPrintable(name));
        for (int end : {1, 2})
            QVERIFY(get<QRadioButton>("Option1", end)->isChecked() &&
                    get("lblBlink1", end)->isHidden());
    }

    // The example link typed and read in the user's number conventions, whose
    // signs (decimal, minus, plus, exponent) come from the locale.
    void exampleLink_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("signs");
        QTest::newRow("en_US") << QLocale("en_US") << ". - + E";
        QTest::newRow("el_GR") << QLocale("el_GR") << ", - + e";
        QTest::newRow("sv_SE") << QLocale("sv_SE") << ", \u2212 + \u00d710^";
    }
    void exampleLink() {
        QFETCH(QLocale, locale);
        QFETCH(QString, signs);
        const tarvanel::NumberLocale n = tarvanel::numberLocaleFrom(locale);
        QCOMPARE(
            QString::fromStdString(n.decimal + ' ' + n.minus + ' ' + n.plus + ' ' + n.exponent),
            signs);
        QLocale::setDefault(locale);
        typeExampleLink(*m_window, locale.decimalPoint());
        QVERIFY(waitForTick(*m_window));
        QStringList results = {"32.30 dBm", "33.50 dBm", "6.061 Km", "115.8 dB", "13.68 m"};
        QCOMPARE(resultTexts(*m_window), results.replaceInStrings(".", locale.decimalPoint()));
    }

    // A tick writes again whatever changed since the last: here a unit switch
    // that leaves the power's text as it was, then the user's locale.
    void refreshesAfterEveryChange() {
        typeExampleLink(*m_window, ".");
        typeFields({"Text10", "-500"});
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(get<QLabel>("lblEIRP2")->text(), "-486.50 dBm");
        QTest::mouseClick(get("ImgMw2"), Qt::LeftButton); // -500 mW is no power
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(get<QLabel>("lblEIRP2")->text(), "0.00 dBm");
        QLocale::setDefault(QLocale("el_GR"));
        QVERIFY(waitForTick(*m_window));
        QCOMPARE(get<QLabel>("lblEIRP1")->text(), "32,30 dBm");
    }

    // An end's warning shows, in red, while its EIRP (power + gain) is above
    // 20 dBm; it starts shown at 30 dBm so that hiding it is seen too.
    void legalLimitWarning_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<QStringList>("typed"); // power, gain
        QTest::addColumn<bool>("shown");
        QTest::newRow("end 1 at 20") << 1 << QStringList{"20", "0"} << false;
        QTest::newRow("end 1 at 20.01") << 1 << QStringList{"20", "0.01"} << true;
        QTest::newRow("end 2 at 20") << 2 << QStringList{"19.5", "0.5"} << false;
        QTest::newRow("end 2 at 20.000002") << 2 << QStringList{"20.000002", "0"} << true;
    }
    void legalLimitWarning() {
        QFETCH(int, end);
        QFETCH(QStringList, typed);
        QFETCH(bool, shown);
        auto* warning = get<QLabel>("lblBlink1", end);
        for (const QStringList& texts : {QStringList{"30", "0"}, typed}) {
            typeFields({"Text2", texts[0], "Text3", texts[1]}, end);
            QVERIFY(waitForTick(*m_window, 3)); // one of them refreshes the warnings
            QCOMPARE(warning->isVisible(), texts == typed ? shown : true);
            QCOMPARE(warning->palette().color(QPalette::WindowText), QColor(Qt::red));
            QVERIFY(get("lblBlink1", 3 - end)->isHidden());
        }
    }

    // Tab from txtFrequency, after clicking the named controls: only the
    // selected option of each end is a stop, the list only while it is open.
    void tabOrder_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("visits");
        const QStringList fields = {"Text2",     "Text3",      "Text4",           "Text5",
                                    "Text6",     "Text12",     "Text11",          "Text1",
                                    "Text7",     "Text8",      "Text9",           "Text10",
                                    "cmdChoose", "cmdchoose2", "txtLinkDistance", "cmdPath"};
        QTest::newRow("at start") << QStringList{}
                                  << QStringList{"Combo1", "Option1", "Option4"} + fields +
                                         QStringList{"txtFrequency"};
        QTest::newRow("mW, chooser open")
            << QStringList{"imgMw", "ImgMw2", "cmdChoose"}
            << QStringList{"Combo1", "Option2", "Option3"} + fields + QStringList{"List1"};
        QTest::newRow("path panel open")
            << QStringList{"cmdPath"}
            << QStringList{"Combo1", "Option1", "Option4"} + fields +
                   QStringList{"txtGround1",     "txtMast1", "txtGround2",   "txtMast2",
                               "cboEarthFactor", "cboBand",  "tabPathPages", "txtFrequency"};
    }
    void tabOrder() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, visits);
        for (const QString& name : clicks + QStringList{"txtFrequency"})
            QTest::mouseClick(get(name), Qt::LeftButton);
        for (const QString& expected : visits) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            if (qobject_cast<QComboBox*>(focused->parentWidget()) ||
                qobject_cast<QTabWidget*>(focused->parentWidget()))
                focused = focused->parentWidget();
            QCOMPARE(focused->objectName(), expected);
        }
    }

    // A field is named by its drawn caption
    // and end, a result by its caption and current value.
    void accessibleNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Text2") << "Ισχύς εκπομπής Interface No.1";
        QTest::newRow("Text8") << "Απώλειες καλωδίου Interface No.2";
        QTest::newRow("lblEIRP1") << "Interface 1 EIRP 32.50 dBm";
        QTest::newRow("lblCableLoss") << "Συνολικές απώλειες καλωδίου Interface No.1 2.5 dB";
        QTest::newRow("cboEarthFactor") << "Συντελεστής γης k";
    }
    void accessibleNames() {
        QFETCH(QString, name);
        typeFields({"Text2", "20", "Text3", "15", "Text4", "0.25", "Text5", "10", "Text6", "0"});
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(waitForTick(*m_window));
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(get(QTest::currentDataTag()));
        QCOMPARE(control->text(QAccessible::Name), name);
    }

    // A closed choice box says its choice as a standard combo box does: as its
    // value, its text and its selected item, also once a key chose another.
    // The unit underlines are decoration, left out of the window's tree.
    void choicesAndDecoration() {
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(get("cboEarthFactor"), Qt::Key_End);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(get("cboEarthFactor"));
        QVERIFY(box->childCount() == 1 && box->textInterface());
        QStringList said = {box->text(QAccessible::Value), box->textInterface()->text(0, 3)};
        for (int i = 0; i < box->child(0)->childCount(); ++i)
            if (box->child(0)->child(i)->state().selected)
                said << box->child(0)->child(i)->text(QAccessible::Name);
        QCOMPARE(said, QStringList({"2/3", "2/3", "2/3"}));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_window.get());
        for (const char* line : {"lnUnderline1", "lnUnderline2"})
            QCOMPARE(window->indexOfChild(QAccessible::queryAccessibleInterface(get(line))), -1);
    }

    // What the program says to assistive technology is in the window's
    // language: no English word in any name, description or tooltip, the path
    // panel's and the chooser's included, but for the captions drawn in English
    // and the units.
    void namesSpeakGreek() {
        typeExampleLink(*m_window, ".");
        QTest::mouseClick(get("cmdChoose"), Qt::LeftButton);
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(waitForTick(*m_window));
        const QSet<QString> allowed = {
            "Interface", "No",     "EIRP",   "Fade",       "Margin",   "Free", "Space",    "Loss",
            "Fresnel",   "Zone",   "Radius", "Gain",       "Minimize", "Exit", "Tarvanel", "dBm",
            "mW",        "mWatts", "dBi",    "dBd",        "dB",       "GHz",  "MHz",      "km",
            "Km",        "m",      "k",      "OK",         "ITU",      "R",    "P",        "Ctrl",
            "Shift",     "H",      "N",      "E",          "LMR",      "CSV",  "SRTM",     "hgt",
            "GeoTIFF",   "V",      "F1",     "Bullington", "n",        "g",    "Mb",       "s",
            "MCS",       "RG",     "Belden", "Aircell",    "Ecoflex",  "H155", "H1000",    "F",
            "TPC",       "DFS"};
        const QRegularExpression word("[A-Za-z]+");
        for (QWidget* widget : m_window->findChildren<QWidget*>()) {
            QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(widget);
            for (const QString& said : {heard->text(QAccessible::Name),
                                        heard->text(QAccessible::Description), widget->toolTip()})
                for (const auto& match : word.globalMatch(said))
                    QVERIFY2(allowed.contains(match.captured()),
                             qPrintable(widget->objectName() + ": " + said));
        }
    }

    // A screen reader that caches names hears every new result: each result
    // label raises one name change per new text, and none for a rewrite of
    // the same text.
    void announcesResultChanges() {
        typeExampleLink(*m_window, ".");
        QVERIFY(waitForTick(*m_window));
        const AnnouncementSpy spy;
        typeFields({"Text2", "21"});
        QVERIFY(waitForTick(*m_window));
        QVERIFY(waitForTick(*m_window)); // the same texts again: nothing to say
        const QStringList finals = {"33.30 dBm", "6.801 Km", "116.8 dB", "14.49 m"};
        const QStringList names = {"lblEIRP1", "lblDistance", "lblFSL", "lblFrensel"};
        for (int i = 0; i < names.size(); ++i) {
            const QStringList heard = spy.namesOf(get(names[i]));
            QVERIFY2(!heard.isEmpty() && heard.last().endsWith(finals[i]), qPrintable(names[i]));
            QCOMPARE(heard.size(), QSet<QString>(heard.begin(), heard.end()).size());
        }
    }

    // The window paints every pixel, and at scale 2 in finer detail than its
    // scale-1 picture blown up.
    void paintsCrispAtScaleTwo() {
        const auto picture = [this](int scale) {
            QImage image(m_window->size() * scale, QImage::Format_RGB32);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::magenta);
            m_window->render(&image, {}, {}, QWidget::DrawChildren);
            return image;
        };
        const QImage crisp = picture(2), blownUp = picture(1).scaled(crisp.size()); // magenta stays
        const QRgb magenta = QColor(Qt::magenta).rgb();
        int different = 0, unpainted = 0;
        for (int y = 0; y < blownUp.height(); ++y)
            for (int x = 0; x < blownUp.width(); ++x) {
                const QRgb sharp = crisp.pixel(x, y), blurred = blownUp.pixel(x, y);
                different += std::abs(qGray(sharp) - qGray(blurred)) > 64;
                unpainted += sharp == magenta || blurred == magenta;
            }
        QCOMPARE(unpainted, 0);
        QVERIFY2(different > 2000, qPrintable(QString::number(different)));
    }

    // Under a dark desktop theme (light text on dark grounds) every text
    // stays legible on what lies beneath it.
    void keepsItsOwnColoursUnderADarkTheme() {
        const auto restore =
            qScopeGuard([p = QApplication::palette()] { QApplication::setPalette(p); });
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24)));
        openWindow(true);
        for (QWidget* w : m_window->findChildren<QWidget*>()) { // the lists' popups too
            // Red by design: the warnings and the indoors-only notice.
            if (w->objectName().startsWith("lblBlink") || w->objectName() == "lblIndoors") continue;
            const QPalette p = w->palette();
            // What stands on the window's ground stands on its picture.
            const QColor ground = w->backgroundRole() == QPalette::Window
                                      ? tarvanel::kBackgroundGround
                                      : p.color(w->backgroundRole());
            const double ratio = contrast(p.color(w->foregroundRole()), ground);
            QVERIFY2(ratio >= 4.5, qPrintable(w->objectName() + ": " + QString::number(ratio)));
        }
    }

    // "_" minimizes. Offscreen there is no system move, so the window follows
    // the pointer while a button is held on the title strip, and stays after.
    void titleStrip() {
        QWidget* title = get("lbltitle");
        m_window->move(100, 80);
        QTRY_COMPARE(m_window->pos(), QPoint(100, 80));
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(40, 8));
        QTest::mouseMove(title, QPoint(75, 30));
        QTRY_COMPARE(m_window->pos(), QPoint(135, 102));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(75, 30));
        QTest::mouseMove(title, QPoint(95, 50));
        QCoreApplication::processEvents();
        QCOMPARE(m_window->pos(), QPoint(135, 102));
        QTest::mouseClick(get("lblMinimize"), Qt::LeftButton);
        QTRY_VERIFY(m_window->isMinimized());
    }

    // "X", Ctrl+Q, SIGTERM and SIGINT each end the event loop with exit code 0,
    // SIGTERM also over the message of a damaged plan opened as the command
    // line opens it, before the loop runs.
    void quit_data() {
        QTest::addColumn<int>("signal"); // 0: a click on "X"; -1: Ctrl+Q
        QTest::newRow("X") << 0;
        QTest::newRow("Ctrl+Q") << -1;
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGTERM over a message") << SIGTERM;
    }
    void quit() {
        QFETCH(int, signal);
        const bool message = QByteArray(QTest::currentDataTag()).endsWith("message");
        QTimer::singleShot(0, m_window.get(), [&] {
            QCOMPARE(QApplication::activeModalWidget() != nullptr, message);
            if (signal > 0)
                ::raise(signal);
            else if (signal < 0)
                QTest::keyClick(m_window.get(), Qt::Key_Q, Qt::ControlModifier);
            else
                QTest::mouseClick(get("lblexit"), Qt::LeftButton);
        });
        QTimer::singleShot(5000, m_window.get(), [] { QCoreApplication::exit(1); });
        QTemporaryFile damaged;
        if (message && damaged.open() && damaged.write("{") == 1 && damaged.flush())
            QVERIFY(!tarvanel::openPlanIn(*m_window, damaged.fileName()));
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(m_window->isVisible(), signal > 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
