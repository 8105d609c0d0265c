#pragma once

// Helpers for the window tests (and the screenshot tool): controls found by
// their objectName only, keys and clicks as a user sends them, timer ticks.

#include "app/frm_main.h"
#include "app/window_table.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStringList>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <memory>

namespace tarvanel::testing {

// The thirteen input fields.
inline const QStringList kFields = {"txtFrequency", "Text2",  "Text3", "Text4", "Text5",
                                    "Text6",        "Text10", "Text9", "Text8", "Text7",
                                    "Text1",        "Text11", "Text12"};

// The window's control named `name`; aborts the test program when there is none.
template <typename T = QWidget> T* control(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) qFatal("no control named %s", qPrintable(name));
    return found;
}

// The name at link end `end` of the control that link end 1 calls `name`.
inline QString atEnd(int end, const QString& name) {
    // Its twin is kept in the same member of the other end's controls.
    const auto table = windowTable();
    for (const ControlRow& row : table)
        for (const ControlRow& twin : table)
            if (end == 2 && row.end == LinkEnd::One && twin.end == LinkEnd::Two && row.keep &&
                twin.keep == row.keep && name == QLatin1String(row.name))
                return QString::fromUtf8(twin.name);
    return name;
}

// Types `text` into `widget` key by key (any characters, not only the ASCII
// ones QTest::keyClicks takes).
inline void typeKeys(QWidget* widget, const QString& text) {
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Clicks into the field, selects what it holds and types `text` over it.
inline void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    typeKeys(field, text);
}

// Waits for `ticks` timeouts of the window's Timer1; the window's own handler
// has run when this returns true. The warnings refresh on every third tick.
[[nodiscard]] inline bool waitForTick(const QWidget& window, int ticks = 1) {
    QSignalSpy tick(control<QTimer>(window, QStringLiteral("Timer1")), &QTimer::timeout);
    while (tick.size() < ticks)
        if (!tick.wait(2000)) return false;
    return true;
}

// lblEIRP1, lblEIRP2, lblDistance, lblFSL, lblFrensel.
inline QStringList resultTexts(const QWidget& window) {
    QStringList texts;
    for (const char* name : {"lblEIRP1", "lblEIRP2", "lblDistance", "lblFSL", "lblFrensel"})
        texts << control<QLabel>(window, QLatin1String(name))->text();
    return texts;
}

// The example link (README): 2427 MHz; both ends 20 dBm, 15 dBi, 10 m of cable
// with 2 connectors, 0.22 dB/m at end 1 and 0.10 dB/m at end 2; sensitivity 80,
// margin 10. `decimal` is the separator the user types.
inline void typeExampleLink(FrmMain& window, const QString& decimal) {
    const QStringList texts = {"2427", "20",   "15", "0.22", "10", "2", "20",
                               "15",   "0.10", "10", "2",    "80", "10"};
    for (qsizetype i = 0; i < kFields.size(); ++i)
        typeInto(control<QLineEdit>(window, kFields[i]),
                 QString(texts[i]).replace(QLatin1Char('.'), decimal));
}

// Hears what a screen reader hears while it lives: every name change, with
// the name the control then answers. Offscreen, nothing listens unless
// accessibility is switched on by hand, as an assistive technology would.
class AnnouncementSpy {
public:
    AnnouncementSpy() {
        s_heard.clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->type() == QAccessible::NameChanged)
                s_heard << qMakePair(event->object(),
                                     event->accessibleInterface()->text(QAccessible::Name));
        });
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AnnouncementSpy() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    // The names `object` announced, in order.
    QStringList namesOf(const QObject* object) const {
        QStringList names;
        for (const auto& [source, name] : s_heard)
            if (source == object) names << name;
        return names;
    }

private:
    static inline QList<QPair<QObject*, QString>> s_heard;
};

// Base of the window test classes: one window per test function (and row).
class WindowTest : public QObject {
protected:
    std::unique_ptr<FrmMain> m_window;
    void openWindow(bool shown) {
        QLocale::setDefault(QLocale("en_US"));
        m_window = std::make_unique<FrmMain>();
        if (!shown) return;
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    template <typename T = QWidget> T* get(const QString& name, int end = 1) {
        return control<T>(*m_window, atEnd(end, name));
    }
    // Types each text into the field named just before it, at link end `end`.
    void typeFields(const QStringList& namesAndTexts, int end = 1) {
        for (qsizetype i = 0; i + 1 < namesAndTexts.size(); i += 2)
            typeInto(get<QLineEdit>(namesAndTexts[i], end), namesAndTexts[i + 1]);
    }
    // The example link 5 km long with the path panel open: masts of 32 m and
    // 18 m on ground 0, and the ground `obstacle` m high 2 km from end 1.
    void typePath(const QString& obstacle) {
        typeExampleLink(*m_window, QStringLiteral("."));
        typeFields({"txtLinkDistance", "5"});
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
        typeFields({"txtMast1", "32", "txtMast2", "18"});
        pasteIntoProfile(QStringLiteral("2\t") + obstacle);
    }
    // Pastes a block of rows into the ground profile's table, as from a spreadsheet.
    void pasteIntoProfile(const QString& rows) {
        QGuiApplication::clipboard()->setText(rows);
        QWidget* table = get(QStringLiteral("tblProfile"));
        control<QTabWidget>(*m_window, QStringLiteral("tabPathPages"))->setCurrentIndex(1);
        table->setFocus();
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    }
};

} // namespace tarvanel::testing
