#include "app/result_walk.h"

#include "app/results_in_reading_order.h"
#include "widgets/result_label.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>

namespace tarvanel {

ResultWalk::ResultWalk(QWidget* window)
    : QObject(window)
    , m_window(window) {
    connect(new QShortcut(kNextKey, window), &QShortcut::activated, this, [this] { step(1); });
    connect(new QShortcut(kPreviousKey, window), &QShortcut::activated, this, [this] { step(-1); });
}

void ResultWalk::step(int direction) {
    const QList<QLabel*> results = inReadingOrder(shownResults(*m_window));
    if (results.isEmpty()) return;
    QWidget* focus = QApplication::focusWidget();
    const auto at = results.indexOf(focus);
    if (at < 0) {
        m_cameFrom = focus;
        visit(direction > 0 ? results.first() : results.last());
        return;
    }
    const auto count = results.size();
    visit(results[(at + direction + count) % count]);
}

void ResultWalk::visit(QLabel* result) {
    // Focusable only while the walk is on it, so that it is heard as focused;
    // the Tab key passes it by.
    result->setFocusPolicy(Qt::ClickFocus);
    result->installEventFilter(this);
    result->setFocus(Qt::ShortcutFocusReason);
}

// To the control the walk started from, or, when that is gone (the panel
// closed), to the first the Tab key reaches.
void ResultWalk::back() {
    QWidget* to = m_cameFrom;
    if (!to || !to->isVisible()) {
        to = m_window;
        do
            to = to->nextInFocusChain();
        while (to != m_window && !(to->isVisible() && (to->focusPolicy() & Qt::TabFocus)));
    }
    to->setFocus(Qt::ShortcutFocusReason);
}

bool ResultWalk::eventFilter(QObject* watched, QEvent* event) {
    auto* result = static_cast<QLabel*>(watched);
    if (event->type() == QEvent::FocusOut) {
        // Another window or a menu for a while: the focus comes back here.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        result->setFocusPolicy(Qt::NoFocus);
        result->removeEventFilter(this);
    } else if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            back();
            return true;
        case Qt::Key_Down:
            step(1);
            return true;
        case Qt::Key_Up:
            step(-1);
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace tarvanel
