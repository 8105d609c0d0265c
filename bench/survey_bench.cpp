// The survey from one site to 199 others within one synthetic 1" tile (3601 x
// 3601 cells), as the sites' window computes it: each profile sampled through
// one elevation session at the tile's cell size, then every figure of the row
// (the link's figures over the profile, the way back, the texts). Without
// elevation files, only the figures.
#include "elevation/elevation_loader.h"
#include "survey/survey.h"
#include "tests/elevation/synthetic_tiles.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace tarvanel {
namespace {

// Rolling hills between about 200 and 1400 m.
double hills(double latitude, double longitude) {
    return 800.0 + 400.0 * std::sin(latitude * 40.0) * std::cos(longitude * 30.0) +
           200.0 * std::sin(latitude * 97.0 + longitude * 53.0);
}

ElevationReader& reader() {
    static ElevationReader plugin{{QStringLiteral(TARVANEL_BENCH_PLUGIN_DIR)}};
    return plugin;
}

// The tile N37E023, written on first use, and the plugin loaded then.
const std::string& folder() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string folder = dir.path().toStdString();
        writeFile(folder + "/N37E023.hgt", hgtBytes(37, 23, hills, 3600));
        reader().sample({folder, {37.5, 23.5}, {37.5, 23.5}});
        return folder;
    }();
    return path;
}

// The example link's radios at 2427 MHz; the first site at the tile's middle,
// 199 others anywhere in it, the same every run, masts of 15 m, ground from the files.
Plan twoHundredSites() {
    Plan plan;
    LinkInputs in = plan.currentInputs();
    in.link = {{"20", PowerUnit::dBm, "15", "0.22", "10", "2"},
               {"20", PowerUnit::dBm, "15", "0.10", "10", "2"},
               "2427",
               "80",
               "10"};
    in.position1 = "37.5, 23.5";
    in.path.mast1 = in.path.mast2 = "15";
    std::mt19937 random(199);
    std::uniform_real_distribution<double> degrees(0.0, 1.0);
    const auto somewhere = [&] {
        return std::to_string(37 + degrees(random)) + ", " + std::to_string(23 + degrees(random));
    };
    in.position2 = somewhere();
    plan.setCurrentInputs(in);
    Site other = *plan.site(plan.current().ends[1]);
    while (plan.sites().size() < 200) {
        other.position = somewhere();
        plan.addSite(other);
    }
    plan.setSurveySite(plan.current().ends[0]);
    return plan;
}

void BM_Survey199SitesOverTheTile(benchmark::State& state) {
    const Plan plan = twoHundredSites();
    const std::string& files = folder();
    for (auto _ : state) {
        const auto session = reader().openSession(files);
        const GroundReader ground = [&](const Position& from, const Position& to) {
            return std::optional(session->sample(from, to));
        };
        benchmark::DoNotOptimize(surveyRows(plan, ground, {}));
    }
}
BENCHMARK(BM_Survey199SitesOverTheTile)->Unit(benchmark::kMillisecond);

void BM_Survey199SitesWithoutGround(benchmark::State& state) {
    const Plan plan = twoHundredSites();
    for (auto _ : state)
        benchmark::DoNotOptimize(surveyRows(plan, {}, {}));
}
BENCHMARK(BM_Survey199SitesWithoutGround)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvanel
