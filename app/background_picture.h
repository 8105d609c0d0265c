#pragma once

#include "app/tarvanel_emblem.h"
#include "widgets/window_colours.h"

class QPainter;

namespace tarvanel {

// The picture is 550 x 362 logical pixels; the window's controls are placed in
// twips over it, 15 twips to a pixel.
inline constexpr int kBackgroundWidth = 550;
inline constexpr int kBackgroundHeight = 362;

// Draws the whole window surface: ground, border, title strip with its glyph
// boxes, every field caption, heading, unit word and rule. Vectors and text
// only, in the painter's current coordinates, so any scale stays sharp.
void paintBackground(QPainter& painter);

} // namespace tarvanel
