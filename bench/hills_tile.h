#pragma once
// The benchmarks' ground: the tile N37E023 (1", 3601 x 3601 cells) of rolling
// hills between about 200 and 1400 m, written once into a temporary folder,
// and the elevation plugin loaded with it, so that no benchmark times either.
#include "elevation/elevation_loader.h"
#include "tests/elevation/synthetic_tiles.h"

#include <QTemporaryDir>

#include <cmath>
#include <string>

namespace tarvanel::bench {

inline double hills(double latitude, double longitude) {
    return 800.0 + 400.0 * std::sin(latitude * 40.0) * std::cos(longitude * 30.0) +
           200.0 * std::sin(latitude * 97.0 + longitude * 53.0);
}

inline ElevationReader& reader() {
    static ElevationReader plugin{{QStringLiteral(TARVANEL_BENCH_PLUGIN_DIR)}};
    return plugin;
}

// The tile's middle, where the surveys start.
inline constexpr Position kTileMiddle{37.5, 23.5};

inline const std::string& hillsFolder() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string folder = dir.path().toStdString();
        writeFile(folder + "/N37E023.hgt", hgtBytes(37, 23, hills, 3600));
        reader().sample({folder, kTileMiddle, kTileMiddle});
        return folder;
    }();
    return path;
}

} // namespace tarvanel::bench
