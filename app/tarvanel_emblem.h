#pragma once

#include <QIcon>
#include <QRectF>

class QPainter;

namespace tarvanel {

// The program's emblem: a circle cut into three coloured 120-degree sectors
// with a dark outline. It is drawn centred in the largest square that fits
// in `box`, with vectors only, so it stays legible from 16 px upwards.
void paintEmblem(QPainter& painter, const QRectF& box);

// The window icon: the emblem rendered at 16, 32, 48, 64, 128 and 256 px.
QIcon tarvanelIcon();

} // namespace tarvanel
