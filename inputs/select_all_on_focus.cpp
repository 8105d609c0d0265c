#include "inputs/select_all_on_focus.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace tarvanel {

SelectAllOnFocus::SelectAllOnFocus(const QList<QLineEdit*>& fields, QObject* parent)
    : QObject(parent) {
    for (QLineEdit* field : fields)
        field->installEventFilter(this);
}

void SelectAllOnFocus::GotFocus(QLineEdit* field) {
    field->setSelection(0, static_cast<int>(field->text().size()));
}

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return false;

    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Coming back from a menu or from another window is not moving into the field.
        if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) break;
        GotFocus(field);
        m_focusedByPress = reason == Qt::MouseFocusReason ? field : nullptr;
        break;
    }
    case QEvent::FocusOut:
        if (m_focusedByPress == field) m_focusedByPress = nullptr;
        break;
    case QEvent::MouseButtonRelease:
        if (m_focusedByPress == field) {
            m_focusedByPress = nullptr;
            // A drag that selected part of the text keeps that selection.
            if (!field->hasSelectedText()) GotFocus(field);
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace tarvanel
