#include "report/report_style.h"

#include "widgets/window_fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tarvanel {

namespace {

QFont reportFont(double points, bool bold = false) {
    QFont font = windowFont(kFont9pt, bold);
    font.setPointSizeF(points);
    return font;
}

} // namespace

ReportStyle::ReportStyle(QPaintDevice* paintDevice)
    : device(paintDevice)
    , mm(paintDevice->logicalDpiY() / 25.4)
    , dpi(paintDevice->logicalDpiY())
    , padding(1.1 * mm)
    , title(reportFont(18, true))
    , subtitle(reportFont(11))
    , heading(reportFont(11.5, true))
    , body(reportFont(9.5))
    , tableHead(reportFont(8.5, true))
    , small(reportFont(8)) {}

double ReportStyle::textHeight(const QFont& font, double width, const QString& text) const {
    const QFontMetricsF metrics(font, device);
    const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, width, 1e9), Qt::TextWordWrap, text);
    return std::max(wrapped.height(), metrics.height());
}

double ReportStyle::lineHeight(const QFont& font) const {
    return QFontMetricsF(font, device).height();
}

double ReportStyle::advance(const QFont& font, const QString& text) const {
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

void drawText(QPainter& painter, const QRectF& box, const QFont& font, const QColor& colour,
              int flags, const QString& text) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags | Qt::TextWordWrap, text);
}

void drawRule(QPainter& painter, const ReportStyle& style, double y, double left, double right,
              const QColor& colour, double widthMm) {
    painter.setPen(QPen(colour, widthMm * style.mm));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
}

} // namespace tarvanel
