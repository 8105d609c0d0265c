// What the map costs on a synthetic 1" tile (3601 x 3601 cells): its first
// relief of the whole degree at 900 x 700 (the elevation plugin's shading and
// the picture drawn), and a redraw after a pan or a zoom, which draws the
// relief already worked out under the plan's layer. Offscreen.
#include "elevation/elevation_loader.h"
#include "map/map_background.h"
#include "map/map_canvas.h"
#include "tests/elevation/synthetic_tiles.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace tarvanel {
namespace {

// Rolling hills between about 200 and 1400 m, as in elevation_bench.
double hills(double latitude, double longitude) {
    return 800.0 + 400.0 * std::sin(latitude * 40.0) * std::cos(longitude * 30.0) +
           200.0 * std::sin(latitude * 97.0 + longitude * 53.0);
}

const QSize kMapSize(900, 700);
const GeoExtent kDegree{23.0, 37.0, 24.0, 38.0};

std::shared_ptr<ElevationReader> reader() {
    static auto plugin =
        std::make_shared<ElevationReader>(QStringList{QStringLiteral(TARVANEL_BENCH_PLUGIN_DIR)});
    return plugin;
}

// The tile N37E023, written on first use, the plugin loaded then too.
const QString& folder() {
    static QTemporaryDir dir;
    static const QString path = [] {
        writeFile(dir.path().toStdString() + "/N37E023.hgt", hgtBytes(37, 23, hills, 3600));
        reader()->sample({dir.path().toStdString(), {37.5, 23.5}, {37.5, 23.5}});
        return dir.path();
    }();
    return path;
}

// Twenty sites across the tile, a link from each to the next, and the survey
// from the first to every other.
Plan twentySites() {
    std::vector<Site> sites(20);
    std::vector<Link> links;
    for (int i = 0; i < 20; ++i) {
        sites[i].id = i + 1;
        sites[i].name = "Θέση " + std::to_string(i + 1);
        sites[i].position =
            std::to_string(37.1 + 0.04 * i) + ", " + std::to_string(23.1 + 0.037 * ((i * 7) % 20));
        sites[i].radio = {"20", PowerUnit::dBm, "15", "0.22", "10", "2"};
        sites[i].sensitivity = "80";
        if (i > 0) {
            Link link;
            link.id = i;
            link.ends = {i, i + 1};
            link.frequency = "2427";
            link.fadeMargin = "10";
            links.push_back(link);
        }
    }
    return Plan(sites, links, 1);
}

void BM_FirstReliefOfTheDegreeAt900x700(benchmark::State& state) {
    const QString& files = folder();
    const MapProjection map(MapProjection::fitting({{37.1, 23.1}, {37.9, 23.9}}, kMapSize),
                            kMapSize);
    QImage picture(kMapSize, QImage::Format_RGB32);
    for (auto _ : state) {
        const MapBackground background = backgroundFor(*reader(), {files, {}, kDegree, kMapSize});
        QPainter painter(&picture);
        paintPicture(painter, map, background.relief);
    }
}
BENCHMARK(BM_FirstReliefOfTheDegreeAt900x700)->Unit(benchmark::kMillisecond);

// A map of the twenty sites on the degree's relief, worked out before timing.
struct ShownMap {
    Plan plan = twentySites();
    MapCanvas canvas{plan, reader()};
    ShownMap() {
        canvas.resize(kMapSize);
        canvas.setElevationFolder(folder());
        std::vector<SurveyLine> survey;
        for (SiteId to = 2; to <= 20; ++to)
            survey.push_back({1, to, to % 3 == 0});
        canvas.setSurveyLines(survey);
        canvas.selectSite(1);
        if (!QTest::qWaitFor([this] { return !canvas.backgroundPending(); }, 20000)) std::abort();
    }
};

void BM_RedrawAfterAPan(benchmark::State& state) {
    ShownMap shown;
    double step = 7.0;
    for (auto _ : state) {
        shown.canvas.panBy({step, step / 2});
        step = -step;
        benchmark::DoNotOptimize(shown.canvas.picture());
    }
}
BENCHMARK(BM_RedrawAfterAPan)->Unit(benchmark::kMillisecond);

void BM_RedrawAfterAZoom(benchmark::State& state) {
    ShownMap shown;
    double factor = 1.25;
    for (auto _ : state) {
        shown.canvas.zoomBy(factor);
        factor = 1.0 / factor;
        benchmark::DoNotOptimize(shown.canvas.picture());
    }
}
BENCHMARK(BM_RedrawAfterAZoom)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvanel

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
