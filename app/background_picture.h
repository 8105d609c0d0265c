#pragma once

#include "tarvanel_emblem.h"

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace tarvanel {

// The picture is 550 x 362 logical pixels; the window's controls are placed in
// twips over it, 15 twips to a pixel.
inline constexpr int kBackgroundWidth = 550;
inline constexpr int kBackgroundHeight = 362;

// The light yellow ground of the picture and of the unit words.
inline const QColor kBackgroundGround{255, 255, 204};

// Draws the whole window surface: ground, border, title strip with its glyph
// boxes, every field caption, heading, unit word and rule. Vectors and text
// only, in the painter's current coordinates, so any scale stays sharp.
void paintBackground(QPainter& painter);

// Draws a unit word ("dBm", "mW") centred in `box`: dark letters on the ground.
void paintUnitWord(QPainter& painter, const QRectF& box, const QString& word);

} // namespace tarvanel
