#include "widgets/underline_line.h"

#include "widgets/twips.h"
#include "widgets/window_colours.h"

#include <QPainter>

namespace tarvanel {

namespace {
constexpr int kLineWidthPx = 2;
} // namespace

UnderlineLine::UnderlineLine(float x1, float x2, float y, QWidget* parent)
    : QFocusFrame(parent)
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
    emit endsChanged();
}

void UnderlineLine::placeOnParent() {
    const double left = twipsToPixelsF(std::min(m_x1, m_x2));
    const double width = twipsToPixelsF(std::abs(m_x2 - m_x1));
    const double top = twipsToPixelsF(m_y) - kLineWidthPx / 2.0;
    setGeometry(qRound(left), qRound(top), qMax(1, qRound(width)), kLineWidthPx);
}

void UnderlineLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kWarningRed);
}

} // namespace tarvanel
