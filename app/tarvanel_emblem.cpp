#include "app/tarvanel_emblem.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace tarvanel {

namespace {

// The same colours as assets/tarvanel.svg.
constexpr std::array<QRgb, 3> kSectorColours = {
    qRgb(0x1f, 0x6f, 0xc5), // blue, upper right
    qRgb(0x2e, 0xa0, 0x43), // green, bottom
    qRgb(0xf0, 0x8c, 0x1a), // orange, upper left
};
constexpr QRgb kOutlineColour = qRgb(0x1a, 0x1a, 0x1a);

} // namespace

void paintEmblem(QPainter& painter, const QRectF& box) {
    const qreal side = std::min(box.width(), box.height());
    if (side <= 0) return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // Line widths grow with the emblem but never fall below what shows at 16 px.
    const qreal outline = std::max<qreal>(1.0, side / 22.0);
    const qreal divider = std::max<qreal>(0.75, side / 32.0);
    const qreal radius = (side - outline) / 2.0;
    const QPointF centre = box.center();
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    // Sectors start at the top (90 degrees, counter-clockwise positive in Qt)
    // and run clockwise.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QPainterPath sector(centre);
        sector.arcTo(disc, 90.0 - 120.0 * i, -120.0);
        sector.closeSubpath();
        painter.setBrush(QColor(kSectorColours[static_cast<std::size_t>(i)]));
        painter.drawPath(sector);
    }

    // White spokes keep the three sectors apart where colours meet.
    painter.setPen(QPen(Qt::white, divider, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 3; ++i) {
        QLineF spoke(centre, centre + QPointF(radius, 0));
        spoke.setAngle(90.0 - 120.0 * i);
        painter.drawLine(spoke);
    }

    painter.setPen(QPen(QColor(kOutlineColour), outline));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disc);
    painter.restore();
}

QIcon tarvanelIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintEmblem(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tarvanel
