#pragma once

#include <QPointF>

class QWidget;

namespace tarvanel {

// Lets the user move a borderless window by holding a mouse button on a strip
// of its own. The window system's interactive move is asked for first; where
// there is none (no window manager, offscreen), the window follows the pointer
// until the button is released. `grabPosition` is where the button went down,
// in global coordinates.
void DragForm(QWidget* form, QPointF grabPosition);

} // namespace tarvanel
