#include "path/captioned_page.h"

#include "widgets/drawn_captions.h"
#include "widgets/window_colours.h"

#include <QPainter>

namespace tarvanel {

CaptionedPage::CaptionedPage(std::span<const ControlRow> rows, Container container, QWidget* parent)
    : QWidget(parent)
    , m_rows(rows)
    , m_container(container) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionedPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundGround);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::black);
    drawControlCaptions(painter, m_rows, m_container);
}

} // namespace tarvanel
