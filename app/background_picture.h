#pragma once

#include "app/tarvanel_emblem.h"
#include "widgets/window_colours.h"

class QPainter;
class QString;

namespace tarvanel {

// Draws the whole window surface, `title` in its title strip (kWindowWidth x kWindowHeight logical
// pixels, under controls placed in twips): ground, border, title strip with its glyph
// boxes, every field caption, heading, unit word and rule. Vectors and text
// only, in the painter's current coordinates, so any scale stays sharp.
void paintBackground(QPainter& painter, const QString& title);

} // namespace tarvanel
