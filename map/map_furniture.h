#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace tarvanel {

// What every map carries besides its layers: a scale bar in its lower left
// corner, an arrow to the north in its upper right (the map is always north
// up), and notes in a box along its top.

// The longest round length (1, 2 or 5 times a power of ten metres) that fits
// in `mostPixels`: at 20 m a pixel and 150 pixels, 2000 m.
double scaleBarMetres(double metresPerPixel, double mostPixels);
// "500 m", "2 km", "20 km".
QString distanceWords(double metres);

void paintScaleBar(QPainter& painter, const QRectF& map, double metresPerPixel);
void paintNorthArrow(QPainter& painter, const QRectF& map);
// Lines of text on a pale box across the top of the map; none when empty.
void paintNotes(QPainter& painter, const QRectF& map, const QString& notes);

} // namespace tarvanel
