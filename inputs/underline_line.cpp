#include "underline_line.h"

#include <QPainter>

namespace tarvanel {

namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr int kLineWidthPx = 2;
} // namespace

UnderlineLine::UnderlineLine(float x1, float x2, float y, QWidget* parent)
    : QWidget(parent)
    , m_x1(x1)
    , m_x2(x2)
    , m_y(y) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    placeOnParent();
}

void UnderlineLine::setEnds(float x1, float x2) {
    if (x1 == m_x1 && x2 == m_x2) return;
    m_x1 = x1;
    m_x2 = x2;
    placeOnParent();
    update();
    emit moved();
}

void UnderlineLine::placeOnParent() {
    const double left = std::min(m_x1, m_x2) / kTwipsPerPixel;
    const double width = std::abs(m_x2 - m_x1) / kTwipsPerPixel;
    const double top = m_y / kTwipsPerPixel - kLineWidthPx / 2.0;
    setGeometry(qRound(left), qRound(top), qMax(1, qRound(width)), kLineWidthPx);
}

void UnderlineLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 0, 0));
}

} // namespace tarvanel
