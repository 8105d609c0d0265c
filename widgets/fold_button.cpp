#include "widgets/fold_button.h"

#include "widgets/window_fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace tarvanel {

namespace {
constexpr double kBoxWidth = 15; // like the title strip's glyph boxes
constexpr double kBoxHeight = 14;
constexpr double kCaptionGap = 4;
} // namespace

FoldButton::FoldButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(pictureFont());
}

void FoldButton::setOpen(bool open) {
    if (open == m_open) return;
    m_open = open;
    update();
}

QSize FoldButton::sizeHint() const {
    const QFontMetricsF metrics(font());
    return QSizeF(metrics.horizontalAdvance(text()) + kCaptionGap + kBoxWidth + 2, kBoxHeight + 1)
        .toSize();
}

void FoldButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const QRectF box(area.right() - kBoxWidth, area.center().y() - kBoxHeight / 2.0, kBoxWidth,
                     kBoxHeight);

    painter.setPen(ink);
    painter.setFont(font());
    painter.drawText(
        QRectF(area.left(), area.top(), box.left() - kCaptionGap - area.left(), area.height()),
        Qt::AlignRight | Qt::AlignVCenter, text());

    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
    // Down to open, up to close.
    const QRectF inner = box.adjusted(4, 4.5, -4, -4.5);
    QPainterPath triangle;
    if (m_open) {
        triangle.moveTo(inner.left(), inner.bottom());
        triangle.lineTo(inner.right(), inner.bottom());
        triangle.lineTo(inner.center().x(), inner.top());
    } else {
        triangle.moveTo(inner.left(), inner.top());
        triangle.lineTo(inner.right(), inner.top());
        triangle.lineTo(inner.center().x(), inner.bottom());
    }
    triangle.closeSubpath();
    painter.fillPath(triangle, ink);

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace tarvanel
