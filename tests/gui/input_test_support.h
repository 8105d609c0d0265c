#pragma once

// Helpers shared by the tests of the input behaviour: focus moved by the Tab
// key, numbers written as a user of the locale types them.

#include "frm_main.h"
#include "main_window_support.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

namespace tarvanel::testing {

// A number written with "." as a user of the default locale writes it.
inline QString localized(QString text) {
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// Presses Tab until `target` (or the line edit inside it) holds the focus;
// false when the whole chain went round without reaching it.
[[nodiscard]] inline bool tabInto(QWidget* target) {
    for (int presses = 0; presses < 60; ++presses) {
        QWidget* focused = QApplication::focusWidget();
        if (focused && presses > 0 && (focused == target || focused->parentWidget() == target))
            return true;
        QTest::keyClick(focused ? focused : target->window(), Qt::Key_Tab);
    }
    return false;
}

} // namespace tarvanel::testing
