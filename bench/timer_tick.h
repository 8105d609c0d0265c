#pragma once

#include <QMetaObject>
#include <QTimer>

namespace tarvanel::testing {

// Fires a timer's timeout as the timer itself does, at once: the window's own
// tick handler runs before this returns, without waiting for the interval.
inline void fireTimer(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

} // namespace tarvanel::testing
