// What the elevation plugin's heavier requests cost through the loader, as the
// program makes them, on a synthetic 1" tile (3601 x 3601 cells) written once.
#include "bench/hills_tile.h"

#include <benchmark/benchmark.h>

#include <random>

namespace tarvanel {
namespace {

using bench::hillsFolder;
using bench::reader;
constexpr Position site = bench::kTileMiddle;

// 199 far ends anywhere in the tile, the same every run.
std::vector<Position> surveyedSites() {
    std::mt19937 random(199);
    std::uniform_real_distribution<double> latitude(37.0, 38.0), longitude(23.0, 24.0);
    std::vector<Position> sites(199);
    for (Position& p : sites)
        p = {latitude(random), longitude(random)};
    return sites;
}

void BM_Survey199ProfilesInOneSession(benchmark::State& state) {
    const std::string& files = hillsFolder();
    const std::vector<Position> sites = surveyedSites();
    for (auto _ : state) {
        const auto session = reader().openSession(files);
        for (const Position& far : sites)
            benchmark::DoNotOptimize(session->sample(site, far));
    }
}
BENCHMARK(BM_Survey199ProfilesInOneSession)->Unit(benchmark::kMillisecond);

// The same survey with a request each, for comparison.
void BM_Survey199ProfilesOneRequestEach(benchmark::State& state) {
    const std::string& files = hillsFolder();
    const std::vector<Position> sites = surveyedSites();
    for (auto _ : state)
        for (const Position& far : sites)
            benchmark::DoNotOptimize(reader().sample({files, site, far}));
}
BENCHMARK(BM_Survey199ProfilesOneRequestEach)->Unit(benchmark::kMillisecond);

void BM_ShadedReliefOfTheWholeTileAt900x700(benchmark::State& state) {
    const ReliefRequest request{hillsFolder(), {23.0, 37.0, 24.0, 38.0}, 900, 700};
    for (auto _ : state)
        benchmark::DoNotOptimize(reader().shadeRelief(request));
}
BENCHMARK(BM_ShadedReliefOfTheWholeTileAt900x700)->Unit(benchmark::kMillisecond);

void BM_Viewshed20KmAroundTheTilesMiddle(benchmark::State& state) {
    ViewshedRequest request;
    request.folderUtf8 = hillsFolder();
    request.site = site;
    request.queries = surveyedSites();
    for (auto _ : state)
        benchmark::DoNotOptimize(reader().computeViewshed(request));
}
BENCHMARK(BM_Viewshed20KmAroundTheTilesMiddle)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tarvanel
