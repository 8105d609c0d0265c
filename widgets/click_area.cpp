#include "widgets/click_area.h"

#include <QPainter>

namespace tarvanel {

ClickArea::ClickArea(const QString& word, QWidget* parent)
    : QAbstractButton(parent) {
    setText(word);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

// Only the word is drawn: the ground and any glyph belong to the background picture.
void ClickArea::paintEvent(QPaintEvent*) {
    if (text().isEmpty()) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace tarvanel
