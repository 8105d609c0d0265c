// The survey from one site to 199 others within one synthetic 1" tile (3601 x
// 3601 cells), as the sites' window computes it: each profile sampled through
// one elevation session at the tile's cell size, then every figure of the row
// (the link's figures over the profile, the way back, the texts). Without
// elevation files, only the figures.
#include "bench/hills_tile.h"
#include "survey/survey.h"

#include <benchmark/benchmark.h>

#include <random>

namespace tarvanel {
namespace {

using bench::hillsFolder;
using bench::reader;

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
    const std::string& files = hillsFolder();
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
