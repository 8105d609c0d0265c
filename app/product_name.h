#pragma once

#include <QString>

namespace tarvanel {

// The product name and its version as the window shows them ("Tarvanel 0.1");
// the version comes from the build (the project's major.minor version).
inline QString productTitle() {
    return QStringLiteral("Tarvanel " TARVANEL_VERSION);
}

} // namespace tarvanel
