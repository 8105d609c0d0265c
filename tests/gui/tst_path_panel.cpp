// The path panel through the window: opened by the keyboard, typed, read,
// closed; and the side view's obstacle in the verdict's colour at its place.

#include "app/path_side_view.h"
#include "tests/gui/main_window_support.h"
#include "widgets/window_colours.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>

using namespace tarvanel::testing;

class TestPathPanel : public WindowTest {
    Q_OBJECT

    QString textOf(const char* name) { return get<QLabel>(name)->text(); }
    QColor colourOf(const char* name) {
        return get<QLabel>(name)->palette().color(QPalette::WindowText);
    }
    void typeKeys(const QString& text) {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(ch), Qt::NoModifier);
    }

private slots:
    void init() { openWindow(true); }
    void cleanup() { m_window.reset(); }

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
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->role(), QAccessible::Button);
        QTest::keyClick(button, Qt::Key_Space);
        QVERIFY(get("pnlPath")->isVisible());
        QCOMPARE(m_window->size(), QSize(550, 662));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                 "Close the path panel");
        for (const char* typed : {"32", "18", "2", "25"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            typeKeys(QString::fromLatin1(typed));
        }
        QVERIFY(waitForTick(*m_window));
        QStringList shown;
        for (const char* name :
             {"lblLineOfSight", "lblEarthBulge", "lblObstacleFresnel", "lblObstacleClearance",
              "lblDiffractionLoss", "lblPathMargin", "lblLeastHeight1", "lblLeastHeight2",
              "lblTilt1", "lblTilt2", "lblFresnelZone"})
            shown << textOf(name);
        QCOMPARE(shown.join(" | "),
                 "26.40 m | 0.35 m | 12.17 m | 1.05 m | 4.99 dB | 6.68 dB | "
                 "42.43 m | 33.65 m | -0.18° | +0.14° | 9 % μερικώς εμποδισμένη");
        QCOMPARE(colourOf("lblFresnelZone"), tarvanel::kWarningRed);
        QCOMPARE(colourOf("lblPathMargin"), tarvanel::kWarningRed);
        // The worst-case earth, also for the clearance the read-outs ask.
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
        const auto entry = std::find_if(actions.begin(), actions.end(), [](QAction* action) {
            return action->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H);
        });
        QVERIFY(entry != actions.end() && button->toolTip().contains("Ctrl+Shift+H"));
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(get("pnlPath")->isVisible() && (*entry)->isChecked());
        QCOMPARE(get<QLineEdit>("txtObstacleHeight")->text(), "25");
    }

    // The obstacle stands 2 km into a 5 km path: green while the zone is
    // clear, red while it is not; showing the same profile again paints nothing.
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
        int left = image.width(), right = -1, top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        const QRectF plot = view->plotArea();
        QVERIFY2(right >= left, "no obstacle in the verdict's colour");
        QVERIFY(std::abs((left + right + 1) / 2.0 - (plot.left() + 0.4 * plot.width())) <= 1.5);
        QVERIFY(bottom - top > 10 && bottom <= plot.bottom());

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
