#pragma once

#include <QPalette>

namespace tarvanel {

// The window's own colours, whatever the desktop theme: the background picture
// is fixed and light, so what is drawn over it keeps black text, white fields
// and light buttons under a dark theme too.
QPalette windowPalette();

} // namespace tarvanel
