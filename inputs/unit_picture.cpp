#include "unit_picture.h"

#include <QMouseEvent>

namespace tarvanel {

UnitPicture::UnitPicture(const QString& word, QWidget* parent)
    : QLabel(word, parent) {
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void UnitPicture::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a left press and release over the picture.
void UnitPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) emit clicked();
}

} // namespace tarvanel
