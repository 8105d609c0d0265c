// The main window as the user first sees it: every control at its place with
// its text, font, colour and visibility; stacking; tab order; timers.

#include "frm_main.h"
#include "link_budget.h"
#include "main_window_support.h"
#include "underline_line.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <limits>
#include <memory>

using tarvanel::FrmMain;

namespace {

const QString kWarning = QStringLiteral("Εκτός νόμιμων ορίων");

int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QString shownText(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* combo = qobject_cast<const QComboBox*>(w)) return combo->currentText();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    return QStringLiteral("<no text>");
}

// The named control that holds the focus (an editable combo box focuses its own
// line edit).
QString focusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    }
    return QStringLiteral("<none>");
}

// Painted on the window's surface, front to back.
const QStringList kPaintedFrontToBack = {
    "lnUnderline2", "ImgMw2",      "ImgDbm2",   "lnUnderline1",  "imgMw",        "Imgdbm",
    "lblMinimize",  "lblexit",     "lbltitle",  "lblCableLoss2", "lblCableLoss", "lblFrensel",
    "lblFSL",       "lblDistance", "lblBlink2", "lblBlink1",     "lblEIRP1",     "lblEIRP2"};
// Controls of their own, front to back.
const QStringList kInputsFrontToBack = {
    "List1", "cmdchoose2", "cmdChoose", "Text10", "Text9",       "Text8", "Text7",
    "Text1", "Text11",     "Text12",    "Text6",  "Text5",       "Text4", "Text3",
    "Text2", "Frame2",     "Combo1",    "Frame1", "txtFrequency"};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<FrmMain>();
        m_window->show(); // no event is processed: the timers have not ticked
    }
    void cleanup() { m_window.reset(); }

    void window() {
        FrmMain& w = *m_window;
        QCOMPARE(w.objectName(), QStringLiteral("frmMain"));
        QVERIFY(w.isWindow());
        QVERIFY(w.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(w.size(), QSize(550, 362));
        QCOMPARE(w.minimumSize(), QSize(550, 362));
        QCOMPARE(w.maximumSize(), QSize(550, 362));
        QCOMPARE(w.windowTitle(), QStringLiteral("Tarvanel 0.1"));
        const QList<QSize> iconSizes = w.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)));
        QVERIFY(iconSizes.contains(QSize(32, 32)));
    }

    void placeAndFont_data() {
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<int>("fontPixels"); // 0: the control has no font of its own
        QTest::addColumn<bool>("bold");

        const auto row = [](const char* name, const char* container, int l, int t, int w, int h,
                            int font, bool bold) {
            QTest::newRow(name) << QString::fromLatin1(container) << QRect(l, t, w, h) << font
                                << bold;
        };
        row("List1", "frmMain", 2160, 2640, 2295, 1005, 10, false);
        row("cmdchoose2", "frmMain", 1820, 3848, 375, 255, 11, false);
        row("cmdChoose", "frmMain", 1820, 1890, 375, 255, 11, false);
        row("Text10", "frmMain", 2250, 3210, 650, 280, 11, false);
        row("Text9", "frmMain", 2250, 3520, 650, 280, 11, false);
        row("Text8", "frmMain", 2250, 3830, 650, 280, 11, false);
        row("Text7", "frmMain", 2250, 4140, 650, 280, 11, false);
        row("Text1", "frmMain", 2250, 4440, 650, 280, 11, false);
        row("Text11", "frmMain", 2250, 4780, 650, 280, 11, false);
        row("Text12", "frmMain", 2250, 5085, 650, 280, 11, false);
        row("Text6", "frmMain", 2250, 2470, 650, 280, 11, false);
        row("Text5", "frmMain", 2250, 2180, 650, 280, 11, false);
        row("Text4", "frmMain", 2250, 1870, 650, 280, 11, false);
        row("Text3", "frmMain", 2250, 1560, 650, 280, 11, false);
        row("Text2", "frmMain", 2250, 1250, 650, 280, 11, false);
        row("Frame2", "frmMain", 120, 6840, 6015, 2175, 11, false);
        row("Option4", "Frame2", 3840, 360, 975, 255, 13, true);
        row("Option3", "Frame2", 4800, 360, 1095, 255, 13, true);
        row("lblUnitOfPower_2", "Frame2", 2880, 360, 975, 255, 13, true);
        row("Combo1", "frmMain", 3720, 510, 615, 315, 11, false);
        row("Frame1", "frmMain", 6240, 6960, 6015, 2895, 11, false);
        row("Option2", "Frame1", 4800, 360, 1095, 255, 13, true);
        row("Option1", "Frame1", 3840, 360, 975, 255, 13, true);
        row("lblUnitOfPower", "Frame1", 2880, 360, 975, 255, 13, true);
        row("txtFrequency", "frmMain", 1200, 510, 615, 285, 12, false);
        row("ImgMw2", "frmMain", 3720, 3300, 420, 150, 0, false);
        row("ImgDbm2", "frmMain", 2955, 3300, 420, 150, 0, false);
        row("imgMw", "frmMain", 3720, 1320, 420, 150, 0, false);
        row("Imgdbm", "frmMain", 2955, 1320, 420, 150, 0, false);
        row("lblMinimize", "frmMain", 7710, 40, 225, 210, 0, false);
        row("lblexit", "frmMain", 7950, 45, 225, 210, 0, false);
        row("lbltitle", "frmMain", 30, 30, 7455, 255, 0, false);
        row("lblCableLoss2", "frmMain", 3960, 4160, 975, 375, 11, true);
        row("lblCableLoss", "frmMain", 3960, 2200, 735, 255, 11, true);
        row("lblFrensel", "frmMain", 7080, 2940, 1095, 375, 12, true);
        row("lblFSL", "frmMain", 7080, 2640, 1455, 375, 13, true);
        row("lblDistance", "frmMain", 7080, 2370, 1215, 255, 12, true);
        row("lblBlink2", "frmMain", 5280, 2040, 2295, 375, 12, true);
        row("lblBlink1", "frmMain", 5280, 1440, 2295, 375, 12, true);
        row("lblEIRP1", "frmMain", 7080, 1260, 3495, 375, 12, true);
        row("lblEIRP2", "frmMain", 7080, 1770, 1095, 375, 12, true);
    }

    void placeAndFont() {
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(int, fontPixels);
        QFETCH(bool, bold);

        auto* control = m_window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control != nullptr);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->geometry(),
                 QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height())));
        QCOMPARE(control->font().family(), QStringLiteral("DejaVu Sans"));
        if (fontPixels != 0) {
            QCOMPARE(control->font().pixelSize(), fontPixels);
            QCOMPARE(control->font().bold(), bold);
        }
    }

    void initialState_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("visible");

        QTest::newRow("txtFrequency") << "0" << true;
        for (int n = 1; n <= 12; ++n)
            QTest::newRow(qPrintable(QStringLiteral("Text%1").arg(n))) << QString() << true;
        QTest::newRow("Combo1") << QString() << true;
        QTest::newRow("List1") << "<no text>" << false;
        QTest::newRow("cmdChoose") << "..." << true;
        QTest::newRow("cmdchoose2") << "..." << true;
        QTest::newRow("Frame1") << "Interface No.1" << true;
        QTest::newRow("Frame2") << "Interface No.2" << true;
        QTest::newRow("Option1") << "dBm" << true;
        QTest::newRow("Option2") << "mWatts" << true;
        QTest::newRow("Option3") << "mWatts" << true;
        QTest::newRow("Option4") << "dBm" << true;
        QTest::newRow("lblUnitOfPower") << "dBm" << true;
        QTest::newRow("lblUnitOfPower_2") << "dBm" << true;
        QTest::newRow("Imgdbm") << "dBm" << true;
        QTest::newRow("imgMw") << "mW" << true;
        QTest::newRow("ImgDbm2") << "dBm" << true;
        QTest::newRow("ImgMw2") << "mW" << true;
        for (const char* result : {"lblEIRP1", "lblEIRP2", "lblDistance", "lblFSL", "lblFrensel",
                                   "lblCableLoss", "lblCableLoss2"})
            QTest::newRow(result) << "0" << true;
        QTest::newRow("lblBlink1") << kWarning << false;
        QTest::newRow("lblBlink2") << kWarning << false;
        QTest::newRow("lbltitle") << QString() << true;
        QTest::newRow("lblMinimize") << QString() << true;
        QTest::newRow("lblexit") << QString() << true;
    }

    void initialState() {
        QFETCH(QString, text);
        QFETCH(bool, visible);
        auto* control = m_window->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control != nullptr);
        QCOMPARE(shownText(control), text);
        QCOMPARE(control->isVisible(), visible);
    }

    void emptyChooserList() { QCOMPARE(m_window->controls().List1->count(), 0); }

    void channelList() {
        QComboBox* combo = m_window->controls().Combo1;
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->count(), 13);
        for (int n = 1; n <= 13; ++n)
            QCOMPARE(combo->itemText(n - 1), QStringLiteral(" %1").arg(n));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->currentText(), QString());
        // Filling the list implies no channel.
        QCOMPARE(m_window->controls().txtFrequency->text(), QStringLiteral("0"));
    }

    void underlinesMarkDbm_data() {
        QTest::addColumn<float>("y");
        QTest::newRow("lnUnderline1") << 1500.0f;
        QTest::newRow("lnUnderline2") << 3480.0f;
    }

    void underlinesMarkDbm() {
        QFETCH(float, y);
        auto* line = m_window->findChild<tarvanel::UnderlineLine*>(
            QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(line != nullptr);
        QCOMPARE(line->x1(), 2920.0f);
        QCOMPARE(line->x2(), 3380.0f);
        QCOMPARE(line->y(), y);
        QCOMPARE(tarvanel::powerUnitFromUnderline(line->x1()), tarvanel::PowerUnit::dBm);
        QVERIFY(line->isVisible());
    }

    void optionPairsAreExclusiveAndKeepState() {
        const auto& c = m_window->controls();
        QVERIFY(c.Option1->isChecked());
        QVERIFY(!c.Option2->isChecked());
        QVERIFY(c.Option4->isChecked());
        QVERIFY(!c.Option3->isChecked());

        QTest::mouseClick(c.Option2, Qt::LeftButton);
        QVERIFY(c.Option2->isChecked());
        QVERIFY(!c.Option1->isChecked());
        QVERIFY(c.Option4->isChecked()); // the other link end's pair is apart

        QTest::mouseClick(c.Option3, Qt::LeftButton);
        QVERIFY(c.Option3->isChecked());
        QVERIFY(!c.Option4->isChecked());
        QVERIFY(c.Option2->isChecked());
    }

    void colours() {
        const auto& c = m_window->controls();
        const QColor green(0, 128, 0);
        for (QLabel* result :
             QList<QLabel*>{c.lblEIRP1, c.lblEIRP2, c.lblDistance, c.lblFSL, c.lblFrensel})
            QCOMPARE(result->palette().color(QPalette::WindowText), green);
        const QList<QWidget*> inputs = {c.txtFrequency, c.Combo1, c.Text1,  c.Text2, c.Text3,
                                        c.Text4,        c.Text5,  c.Text6,  c.Text7, c.Text8,
                                        c.Text9,        c.Text10, c.Text11, c.Text12};
        for (QWidget* input : inputs) {
            QCOMPARE(input->palette().color(QPalette::Base), QColor(Qt::white));
            QCOMPARE(input->palette().color(QPalette::Text), QColor(Qt::black));
        }
        // The warnings turn red only when first shown.
        QVERIFY(c.lblBlink1->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
        QVERIFY(c.lblBlink2->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
        QVERIFY(!c.lblEIRP1->autoFillBackground()); // labels are transparent
    }

    void timersRunFromCreation_data() {
        QTest::addColumn<int>("interval");
        QTest::newRow("Timer1") << 200;
        QTest::newRow("Timer2") << 600;
    }

    void timersRunFromCreation() {
        QFETCH(int, interval);
        auto* timer = m_window->findChild<QTimer*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(timer != nullptr);
        QCOMPARE(timer->interval(), interval);
        QVERIFY(timer->isActive());
        QVERIFY(!timer->isSingleShot());
    }

    void stacking() {
        const QObjectList order = m_window->children(); // back to front
        const auto stackIndex = [&](const QString& name) {
            auto* w = m_window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
            return w ? order.indexOf(w) : -1;
        };
        int previous = std::numeric_limits<int>::max();
        for (const QString& name : kPaintedFrontToBack) {
            const int index = stackIndex(name);
            QVERIFY2(index >= 0 && index < previous, qPrintable(name));
            previous = index;
        }
        const int frontmostPainted = stackIndex(kPaintedFrontToBack.first());
        previous = std::numeric_limits<int>::max();
        for (const QString& name : kInputsFrontToBack) {
            const int index = stackIndex(name);
            QVERIFY2(index >= 0 && index < previous, qPrintable(name));
            QVERIFY2(index > frontmostPainted, qPrintable(name));
            previous = index;
        }
    }

    void inputsAreNotCoveredByLabels() {
        for (const QString& name : kInputsFrontToBack) {
            auto* input = m_window->findChild<QWidget*>(name);
            if (!input->isVisible() || !m_window->rect().contains(input->geometry())) continue;
            QWidget* hit = m_window->childAt(input->geometry().center());
            QVERIFY2(hit == input || input->isAncestorOf(hit), qPrintable(name));
        }
    }

    void shownChooserListCoversTextBoxes() {
        const auto& c = m_window->controls();
        c.List1->show();
        int covered = 0;
        for (QLineEdit* box : m_window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly)) {
            const QRect overlap = box->geometry() & c.List1->geometry();
            if (overlap.isEmpty()) continue;
            ++covered;
            QWidget* hit = m_window->childAt(overlap.center());
            QVERIFY2(hit == c.List1 || c.List1->isAncestorOf(hit), qPrintable(box->objectName()));
        }
        QCOMPARE(covered, 3); // Text6, Text10 and Text9
    }

    void tabOrder_data() {
        QTest::addColumn<bool>("chooserOpen");
        QTest::addColumn<bool>("end1InMilliwatts");
        QTest::addColumn<QStringList>("visits");

        const QStringList fields = {"Text2",  "Text3",  "Text4",     "Text5",     "Text6",
                                    "Text12", "Text11", "Text1",     "Text7",     "Text8",
                                    "Text9",  "Text10", "cmdChoose", "cmdchoose2"};
        QTest::newRow("at start") << false << false
                                  << QStringList{"Combo1", "Option1", "Option4"} + fields +
                                         QStringList{"txtFrequency"};
        QTest::newRow("chooser open") << true << false
                                      << QStringList{"Combo1", "Option1", "Option4"} + fields +
                                             QStringList{"List1", "txtFrequency"};
        QTest::newRow("end 1 in mW")
            << false << true
            << QStringList{"Combo1", "Option2", "Option4"} + fields + QStringList{"txtFrequency"};
    }

    void tabOrder() {
        QFETCH(bool, chooserOpen);
        QFETCH(bool, end1InMilliwatts);
        QFETCH(QStringList, visits);

        const auto& c = m_window->controls();
        if (chooserOpen) c.List1->show();
        if (end1InMilliwatts) c.Option2->setChecked(true);
        QVERIFY(tarvanel::testing::showActive(*m_window));
        c.txtFrequency->setFocus(Qt::MouseFocusReason);
        QCOMPARE(focusedControl(), QStringLiteral("txtFrequency"));
        for (const QString& expected : visits) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedControl(), expected);
        }
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
