// Writes synthetic elevation tiles around Athens (a mountain to the north, a
// ridge to the east, the sea to the south-west), opens the map of the
// README's four sites on them, waits for the relief, works out what site A
// sees, draws the survey from A and saves a picture of the map's window:
//   map_screenshot OUTPUT.png
// Used by scripts/screenshot.

#include "elevation/elevation_folder_setting.h"
#include "map/map_canvas.h"
#include "map/map_window.h"
#include "tests/elevation/synthetic_tiles.h"

#include <QApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace tarvanel {
namespace {

double bump(double latitude, double longitude, double atLatitude, double atLongitude,
            double heightM, double radiusDegrees) {
    const double d = std::hypot(latitude - atLatitude, (longitude - atLongitude) * 0.79);
    return heightM * std::exp(-d * d / (radiusDegrees * radiusDegrees));
}

double athens(double latitude, double longitude) {
    if (latitude < 37.945 - 0.5 * (longitude - 23.60) && longitude < 23.70) return 0.0; // the sea
    const double ridge = 900.0 * std::exp(-std::pow((longitude - 23.80) / 0.025, 2) -
                                          std::pow((latitude - 37.94) / 0.06, 4));
    const double rolling = 40.0 * std::sin(latitude * 110.0) * std::cos(longitude * 90.0);
    return 80.0 + 120.0 * (latitude - 37.8) + rolling + ridge +
           bump(latitude, longitude, 38.12, 23.70, 1100.0, 0.05) +
           bump(latitude, longitude, 38.05, 23.55, 450.0, 0.04);
}

Site site(const char* name, const char* position, const char* ground, const char* mast,
          const char* loss) {
    Site s;
    s.name = name;
    s.position = position;
    s.ground = ground;
    s.mast = mast;
    s.radio = {"20", PowerUnit::dBm, "15", loss, "10", "2"};
    s.sensitivity = "80";
    return s;
}

Link link(SiteId from, SiteId to, const char* frequency, const char* fadeMargin) {
    Link l;
    l.ends = {from, to};
    l.frequency = frequency;
    l.fadeMargin = fadeMargin;
    return l;
}

// The README's sites: A with Interface No.1's settings, the others No.2's.
// A-B keeps a fade margin of 5 dB (green), A-C not one of 10 (red), B-D lacks
// its frequency (grey).
Plan examplePlan() {
    const std::vector<Site> sites{site("A", "37.97552, 23.73484", "100", "20", "0.22"),
                                  site("B", "38.02000, 23.78000", "100", "15", "0.10"),
                                  site("C", "37.93000, 23.69000", "120", "12", "0.10"),
                                  site("D", "38.10000, 23.60000", "300", "10", "0.10")};
    std::vector<Site> numbered = sites;
    for (std::size_t i = 0; i < numbered.size(); ++i)
        numbered[i].id = SiteId(i + 1);
    const std::vector<Link> links{link(1, 2, "2427", "5"), link(1, 3, "2427", "10"),
                                  link(2, 4, "", "10")};
    std::vector<Link> numberedLinks = links;
    for (std::size_t i = 0; i < numberedLinks.size(); ++i)
        numberedLinks[i].id = LinkId(i + 1);
    return Plan(numbered, numberedLinks, 1);
}

} // namespace
} // namespace tarvanel

int main(int argc, char* argv[]) {
    using namespace tarvanel;
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: map_screenshot OUTPUT.png\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true); // the user's own settings stay as they are
    QTemporaryDir folder;
    for (const int south : {37, 38})
        writeFile(folder.path().toStdString() + "/N" + std::to_string(south) + "E023.hgt",
                  hgtBytes(south, 23, athens));
    QSettings().setValue(QString::fromLatin1(kElevationFolderSetting), folder.path());
    QSettings().remove(QStringLiteral("map/raster_map"));

    Plan plan = examplePlan();
    MapWindow window(plan);
    window.resize(1180, 780);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const auto settle = [&] {
        QTest::qWait(300);
        return QTest::qWaitFor([&] { return !window.canvas()->backgroundPending(); }, 20000);
    };
    if (!settle()) return 1;
    window.selectSite(1);
    window.setSurveyLines({{1, 2, true}, {1, 3, false}, {1, 4, false}});
    QSignalSpy seen(&window, &MapWindow::visibilityChanged);
    window.startViewshed();
    if (!seen.wait(30000)) return 1;
    settle();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) return 1;
    return 0;
}
