#pragma once

#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

namespace tarvanel {

// Content laid out down a column of pages: each piece gets its place when it
// is added and is painted once every page is known (the footers count them).
// Coordinates are the painter's, x from 0 to the width.
class PageFlow {
public:
    using Painting = std::function<void(QPainter&, const QRectF&)>;

    // Pieces run from `firstTop` on the first page and from `top` on the
    // others, down to `bottom`.
    PageFlow(double width, double firstTop, double top, double bottom);

    double width() const { return m_width; }
    // The room on a page after the first.
    double pageHeight() const { return m_bottom - m_top; }
    // Moves to a new page unless `height` still fits on this one or nothing
    // is on it yet; true when it moved.
    bool keep(double height);
    // Moves to a new page unless nothing is on this one yet.
    void newPage();
    // Space between pieces; none at the top of a page.
    void gap(double height);
    // The next `height` of the column, on this page or the next.
    QRectF place(double height, Painting painting);

    int pageCount() const { return static_cast<int>(m_pages.size()); }
    void paintPage(int page, QPainter& painter) const;

private:
    struct Piece {
        QRectF box;
        Painting painting;
    };
    double m_width;
    double m_top;
    double m_bottom;
    double m_y;
    std::vector<std::vector<Piece>> m_pages{1};
};

} // namespace tarvanel
