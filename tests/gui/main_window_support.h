#pragma once

// Helpers shared by the main window tests: driving fields through real key
// and mouse events and waiting for the window's timers to tick.

#include "frm_main.h"

#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tarvanel::testing {

// Shows the window and waits until it is the active window, so that focus
// and keyboard handling behave as for a user.
[[nodiscard]] inline bool showActive(FrmMain& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The window as a user of `localeName` ("en_US", "de_DE", "el_GR") sees it,
// shown and active; null when it never became active.
[[nodiscard]] inline std::unique_ptr<FrmMain> openWindowIn(const QString& localeName) {
    QLocale::setDefault(QLocale(localeName));
    auto window = std::make_unique<FrmMain>();
    if (!showActive(*window)) return nullptr;
    return window;
}

// Closes the window and gives the next test the C locale back.
inline void closeWindow(std::unique_ptr<FrmMain>& window) {
    window.reset();
    QLocale::setDefault(QLocale::c());
}

// Clicks into the field, selects all it holds and types `text` over it (an
// empty text deletes the selection). ASCII only: see QTest::keyClicks.
inline void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

// Waits for the next tick of a timer. The window's own handler is connected
// first, so it has run when this returns true.
[[nodiscard]] inline bool waitForTick(QTimer* timer) {
    QSignalSpy tick(timer, &QTimer::timeout);
    return tick.wait(5000);
}

// The example link: 2427 MHz; both ends 20 dBm, 15 dBi, 10 m of cable with 2
// connectors, 0.22 dB/m at end 1 and 0.10 dB/m at end 2; sensitivity 80,
// margin 10. `decimal` is the separator the user types.
inline void typeExampleLink(FrmMain& window, const QString& decimal) {
    const auto& c = window.controls();
    typeInto(c.txtFrequency, QStringLiteral("2427"));
    typeInto(c.Text2, QStringLiteral("20"));
    typeInto(c.Text3, QStringLiteral("15"));
    typeInto(c.Text4, QStringLiteral("0") + decimal + QStringLiteral("22"));
    typeInto(c.Text5, QStringLiteral("10"));
    typeInto(c.Text6, QStringLiteral("2"));
    typeInto(c.Text10, QStringLiteral("20"));
    typeInto(c.Text9, QStringLiteral("15"));
    typeInto(c.Text8, QStringLiteral("0") + decimal + QStringLiteral("10"));
    typeInto(c.Text7, QStringLiteral("10"));
    typeInto(c.Text1, QStringLiteral("2"));
    typeInto(c.Text11, QStringLiteral("80"));
    typeInto(c.Text12, QStringLiteral("10"));
}

} // namespace tarvanel::testing
