// The drawn title strip: moving the window by it, "_" and "X", pointers and
// tooltips. The test that ends the event loop runs last, since afterwards no
// nested event loop of this process would run again.

#include "chrome_label.h"
#include "form_drag.h"
#include "frm_main.h"
#include "main_window_support.h"
#include "unit_picture.h"

#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using tarvanel::FrmMain;
using namespace tarvanel::testing;

Q_DECLARE_METATYPE(Qt::MouseButton)

class TestWindowChrome : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_window = std::make_unique<FrmMain>();
        QVERIFY(showActive(*m_window));
        m_window->move(100, 80);
        QTRY_COMPARE(m_window->pos(), QPoint(100, 80));
    }
    void cleanup() { m_window.reset(); }

    void handPointer_data() {
        QTest::addColumn<QString>("name");
        for (const char* name :
             {"lbltitle", "lblMinimize", "lblexit", "Imgdbm", "imgMw", "ImgDbm2", "ImgMw2"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void handPointer() {
        QFETCH(QString, name);
        auto* w = m_window->findChild<QWidget*>(name);
        QVERIFY(w != nullptr);
        QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(w->testAttribute(Qt::WA_SetCursor));
    }

    void tooltips() {
        const auto& c = m_window->controls();
        QCOMPARE(c.lblMinimize->toolTip(), QStringLiteral("Minimize"));
        QCOMPARE(c.lblexit->toolTip(), QStringLiteral("Exit"));
        QCOMPARE(c.lbltitle->toolTip(), QString());
    }

    // Without a window manager the window follows the pointer while any button
    // is held on the title strip, and stays where the button was released.
    void dragByTitleStrip_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("grab");
        QTest::addColumn<QPoint>("travel");
        QTest::newRow("left") << Qt::LeftButton << QPoint(40, 8) << QPoint(35, 22);
        QTest::newRow("right") << Qt::RightButton << QPoint(300, 5) << QPoint(-30, 12);
        QTest::newRow("middle") << Qt::MiddleButton << QPoint(480, 12) << QPoint(7, -9);
    }

    void dragByTitleStrip() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, grab);
        QFETCH(QPoint, travel);
        tarvanel::ChromeLabel* title = m_window->controls().lbltitle;
        const QPoint start = m_window->pos();

        QTest::mousePress(title, button, {}, grab);
        QTest::mouseMove(title, grab + travel);
        QTRY_COMPARE(m_window->pos(), start + travel);
        QTest::mouseRelease(title, button, {}, grab + travel);

        // After the release the pointer no longer carries the window.
        QTest::mouseMove(title, grab + travel + QPoint(20, 20));
        QTest::qWait(50);
        QCOMPARE(m_window->pos(), start + travel);
    }

    // DragForm works on whatever window it is given; a drag ends when the
    // pointer moves with no button held.
    void dragFormWorksOnAnyWindow() {
        QWidget other;
        other.resize(100, 50);
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        other.move(10, 10);
        QTRY_COMPARE(other.pos(), QPoint(10, 10));

        tarvanel::DragForm(&other, other.mapToGlobal(QPointF(5, 5)));
        QTest::mouseMove(&other, QPoint(25, 45)); // no button held
        QTest::mousePress(&other, Qt::LeftButton, {}, QPoint(25, 45));
        QTest::mouseMove(&other, QPoint(40, 45));
        QTest::qWait(50);
        QCOMPARE(other.pos(), QPoint(10, 10));
        QTest::mouseRelease(&other, Qt::LeftButton, {}, QPoint(40, 45));

        QTest::mousePress(&other, Qt::LeftButton, {}, QPoint(5, 5));
        tarvanel::DragForm(&other, other.mapToGlobal(QPointF(5, 5)));
        QTest::mouseMove(&other, QPoint(25, 45));
        QTRY_COMPARE(other.pos(), QPoint(30, 50));
        QTest::mouseRelease(&other, Qt::LeftButton, {}, QPoint(25, 45));
    }

    void pressElsewhereDoesNotMove_data() {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("question mark glyph") << QPoint(506, 9);
        QTest::newRow("picture") << QPoint(300, 250);
        QTest::newRow("below the title rule") << QPoint(40, 30);
    }

    void pressElsewhereDoesNotMove() {
        QFETCH(QPoint, point);
        QVERIFY(m_window->childAt(point) == nullptr); // on the bare picture
        const QPoint start = m_window->pos();
        QTest::mousePress(m_window.get(), Qt::LeftButton, {}, point);
        QTest::mouseMove(m_window.get(), point + QPoint(30, 30));
        QTest::qWait(50);
        QTest::mouseRelease(m_window.get(), Qt::LeftButton, {}, point + QPoint(30, 30));
        QCOMPARE(m_window->pos(), start);
    }

    void minimizeGlyph() {
        const auto& c = m_window->controls();
        QTest::mouseClick(c.lblMinimize, Qt::LeftButton);
        QTRY_VERIFY(m_window->isMinimized());
        QVERIFY(c.Timer1->isActive());
        QVERIFY(c.Timer2->isActive());
    }

    void otherButtonsOnGlyphsDoNothing() {
        const auto& c = m_window->controls();
        QTest::mouseClick(c.lblMinimize, Qt::RightButton);
        QTest::mouseClick(c.lblexit, Qt::RightButton);
        QTest::qWait(50);
        QVERIFY(!m_window->isMinimized());
        QVERIFY(m_window->isVisible());
    }

    // Must stay the last test: it ends the event loop.
    void exitGlyphEndsTheProgram() {
        const auto& c = m_window->controls();
        // Even with the cable chooser open and a warning shown.
        c.List1->show();
        typeInto(c.Text2, QStringLiteral("30"));
        typeInto(c.Text3, QStringLiteral("0"));
        QVERIFY(waitForTick(c.Timer2));
        QVERIFY(c.lblBlink1->isVisible());

        QEventLoop loop;
        QTimer::singleShot(0, c.lblexit, [&] { QTest::mouseClick(c.lblexit, Qt::LeftButton); });
        QTimer::singleShot(10000, &loop, [&] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!c.Timer1->isActive());
        QVERIFY(!c.Timer2->isActive());
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestWindowChrome)
#include "tst_window_chrome.moc"
