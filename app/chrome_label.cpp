#include "chrome_label.h"

#include <QMouseEvent>

namespace tarvanel {

ChromeLabel::ChromeLabel(QWidget* parent)
    : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ChromeLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_leftDown = event->button() == Qt::LeftButton;
    emit pressed(event->button(), event->globalPosition());
}

// A click is a left press and a left release over the label.
void ChromeLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = m_leftDown && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_leftDown = false;
    if (click) emit clicked();
}

} // namespace tarvanel
