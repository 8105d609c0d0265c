#pragma once

#include <QColor>

namespace tarvanel {

// The light yellow ground of the background picture.
inline const QColor kBackgroundGround{255, 255, 204};
// Results are green; the legal-limit warnings and the unit underlines are red.
inline const QColor kResultGreen{0, 128, 0};
inline const QColor kWarningRed{255, 0, 0};

} // namespace tarvanel
