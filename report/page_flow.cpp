#include "report/page_flow.h"

#include <QPainter>

namespace tarvanel {

PageFlow::PageFlow(double width, double firstTop, double top, double bottom)
    : m_width(width)
    , m_top(top)
    , m_bottom(bottom)
    , m_y(firstTop) {}

bool PageFlow::keep(double height) {
    if (m_pages.back().empty() || m_y + height <= m_bottom) return false;
    m_pages.emplace_back();
    m_y = m_top;
    return true;
}

void PageFlow::newPage() {
    if (m_pages.back().empty()) return;
    m_pages.emplace_back();
    m_y = m_top;
}

void PageFlow::gap(double height) {
    if (!m_pages.back().empty()) m_y += height;
}

QRectF PageFlow::place(double height, Painting painting) {
    keep(height);
    const QRectF box(0, m_y, m_width, height);
    m_pages.back().push_back({box, std::move(painting)});
    m_y += height;
    return box;
}

void PageFlow::paintPage(int page, QPainter& painter) const {
    for (const Piece& piece : m_pages.at(page)) {
        painter.save();
        piece.painting(painter, piece.box);
        painter.restore();
    }
}

} // namespace tarvanel
