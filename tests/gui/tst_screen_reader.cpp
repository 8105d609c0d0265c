// What a screen reader user gets beyond names: the results a change changed,
// spoken once the user pauses; every result reached by F8 and back by Escape;
// each text box read whole.

#include "app/result_announcer.h"
#include "app/result_walk.h"
#include "tests/gui/main_window_support.h"
#include "widgets/result_label.h"
#include "widgets/spoken_notice.h"

#include <QAccessibleTextInterface>
#include <QApplication>

using namespace tarvanel::testing;
using tarvanel::ResultAnnouncer;
using tarvanel::ResultLabel;
using tarvanel::SpokenNotice;

class TestScreenReader : public WindowTest {
    Q_OBJECT

    // The texts the notice said as it appeared (what Orca speaks).
    static inline QStringList s_said;

    SpokenNotice* notice() { return m_window->findChild<SpokenNotice*>(); }
    QString nameOf(const char* result) { return get<ResultLabel>(result)->spokenName(); }
    QString focused() { return QApplication::focusWidget()->objectName(); }
    void press(QKeySequence key) { QTest::keySequence(QApplication::focusWidget(), key); }
    // Lets the refresh (200 ms) and the warnings (600 ms) see the last key, and
    // the pause pass.
    void pause() { QTest::qWait(ResultAnnouncer::kPauseMs + 1100); }

private slots:
    void init() {
        openWindow(true);
        typeExampleLink(*m_window, ".");
        pause();
        s_said.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::ObjectShow &&
                qobject_cast<SpokenNotice*>(event->object()))
                s_said << static_cast<SpokenNotice*>(event->object())->text();
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    void cleanup() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
        m_window.reset();
    }

    // 25 dBm at Interface No.1: 25 + 15 - 2.7 = 37.30 dBm EIRP, and the
    // results that follow from it, in the window's words and reading order;
    // EIRP 2 and the legal powers stay as they were and are not said.
    void announcesTheResultsThatChanged() {
        QCOMPARE(QAccessible::queryAccessibleInterface(notice())->role(),
                 QAccessible::Notification);
        typeFields({"Text2", "25"});
        QTRY_COMPARE_WITH_TIMEOUT(s_said.size(), 1, 3000);
        QVERIFY(nameOf("lblEIRP1").startsWith("Interface 1 EIRP 37.30 dBm"));
        QCOMPARE(s_said[0], QStringList({nameOf("lblEIRP1"), nameOf("lblDistance"),
                                         nameOf("lblFSL"), nameOf("lblFrensel")})
                                .join(", "));
        QCOMPARE(QApplication::focusWidget(), get("Text2"));
    }

    // Keys typed faster than the pause are one announcement; a value typed
    // over and back is none; a warning is heard as it appears.
    void waitsForThePause() {
        typeFields({"Text2", "2"});
        QTest::qWait(300);
        typeFields({"Text2", "20"});
        pause();
        QCOMPARE(s_said, QStringList());
        typeFields({"Text3", "0", "Text6", "30"});
        pause();
        typeFields({"Text3", "15"});
        pause();
        QCOMPARE(s_said.size(), 2);
        QVERIFY2(s_said[1].contains(get("lblBlink1")->accessibleName()), qPrintable(s_said[1]));
    }

    // F8 from a field: EIRP 1, EIRP 2, the greatest distance, ...; Shift+F8
    // and Up go back, Down on; Escape returns to the field. The Tab order and
    // the labels' focus policy are as they were.
    void walksTheResults() {
        get("Text2")->setFocus();
        QStringList walked;
        for (int i = 0; i < 3; ++i) {
            press(tarvanel::ResultWalk::kNextKey);
            walked << focused();
        }
        QCOMPARE(walked, QStringList({"lblEIRP1", "lblEIRP2", "lblDistance"}));
        press(tarvanel::ResultWalk::kPreviousKey);
        QCOMPARE(focused(), "lblEIRP2");
        press(Qt::Key_Down);
        QCOMPARE(focused(), "lblDistance");
        QVERIFY(get("lblDistance")->focusPolicy() != Qt::NoFocus);
        press(Qt::Key_Escape);
        QCOMPARE(focused(), "Text2");
        QCOMPARE(get("lblDistance")->focusPolicy(), Qt::NoFocus);
        press(Qt::Key_Tab);
        QCOMPARE(focused(), "Text3");
        QCOMPARE(get("lblEIRP1")->toolTip(), tarvanel::ResultWalk::kHint);
    }

    // With the path panel open its results follow the window's; Escape on
    // one goes back without folding the panel away.
    void walksThePathPanel() {
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        get("txtMast1")->setFocus();
        press(tarvanel::ResultWalk::kPreviousKey);
        QCOMPARE(focused(), "lblFresnelZone");
        QVERIFY(!get("lblFresnelZone")->toolTip().isEmpty());
        press(Qt::Key_Escape);
        QCOMPARE(focused(), "txtMast1");
        QVERIFY(get("pnlPath")->isVisible());
    }

    // A text box is one run of text: Orca reads its line run by run.
    void readsFieldsWhole() {
        get("Combo1")->setFocus();
        press(Qt::Key_Backtab);
        QCOMPARE(focused(), "txtFrequency");
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(get("txtFrequency"))->textInterface();
        int start = -1, end = -1;
        QCOMPARE(text->attributes(3, &start, &end), QString());
        QCOMPARE(std::pair(start, end), std::pair(0, 4));
        text->selection(0, &start, &end);
        QCOMPARE(text->text(start, end), "2427");
        QCOMPARE(text->textAtOffset(-2, QAccessible::LineBoundary, &start, &end), "2427");
        QAccessible::queryAccessibleInterface(get("Text3"))
            ->editableTextInterface()
            ->replaceText(0, 2, "16");
        QCOMPARE(get<QLineEdit>("Text3")->text(), "16");
    }
};

QTEST_MAIN(TestScreenReader)
#include "tst_screen_reader.moc"
