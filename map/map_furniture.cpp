#include "map/map_furniture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tarvanel {

namespace {

constexpr double kMargin = 10.0;
constexpr double kMostBarPixels = 150.0;

QFont furnitureFont(int pixels) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

double scaleBarMetres(double metresPerPixel, double mostPixels) {
    const double most = metresPerPixel * mostPixels;
    const double power = std::pow(10.0, std::floor(std::log10(most)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * power <= most) return step * power;
    return power;
}

QString distanceWords(double metres) {
    return metres >= 1000.0 ? QStringLiteral("%1 km").arg(metres / 1000.0)
                            : QStringLiteral("%1 m").arg(metres);
}

void paintScaleBar(QPainter& painter, const QRectF& map, double metresPerPixel) {
    const double metres = scaleBarMetres(metresPerPixel, kMostBarPixels);
    const double length = metres / metresPerPixel;
    const QPointF start(map.left() + kMargin + 4, map.bottom() - kMargin - 4);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(furnitureFont(12));
    const QString words = distanceWords(metres);
    const double wordsWidth = QFontMetricsF(painter.font()).horizontalAdvance(words);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRect(QRectF(start.x() - 4, start.y() - 26, std::max(length, wordsWidth) + 8, 30));
    painter.setPen(QPen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(start, start + QPointF(length, 0));
    for (const double x : {0.0, length})
        painter.drawLine(start + QPointF(x, 0), start + QPointF(x, -6));
    painter.drawText(start + QPointF(0, -10), words);
    painter.restore();
}

void paintNorthArrow(QPainter& painter, const QRectF& map) {
    const QPointF tip(map.right() - kMargin - 14, map.top() + kMargin + 4);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(9, 26));
    arrow.lineTo(tip + QPointF(0, 20));
    arrow.lineTo(tip + QPointF(-9, 26));
    arrow.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(30, 30, 30));
    painter.drawPath(arrow);
    painter.setFont(furnitureFont(13));
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRectF(tip.x() - 10, tip.y() + 28, 20, 16), Qt::AlignCenter,
                     QStringLiteral("Β")); // Βορράς
    painter.restore();
}

void paintNotes(QPainter& painter, const QRectF& map, const QString& notes) {
    if (notes.isEmpty()) return;
    painter.save();
    painter.setFont(furnitureFont(12));
    const QRectF room = map.adjusted(kMargin, kMargin, -kMargin - 40, -kMargin);
    const QRectF text = painter.boundingRect(room, Qt::TextWordWrap, notes);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(QColor(255, 255, 240, 230));
    painter.drawRect(text.adjusted(-5, -3, 5, 3));
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(text, Qt::TextWordWrap, notes);
    painter.restore();
}

} // namespace tarvanel
