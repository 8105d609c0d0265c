#pragma once

#include <QString>
#include <QWidget>

namespace tarvanel {

// A tooltip that assistive technology hears as the control's description too.
inline void explain(QWidget* widget, const QString& text) {
    widget->setToolTip(text);
    widget->setAccessibleDescription(text);
}

} // namespace tarvanel
