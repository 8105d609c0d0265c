// Engine cost of the refresh cycle: the five results of the 200 ms tick as
// label texts, the two EIRPs of the 600 ms tick, and the number rules under
// them; and the figures over a long ground profile.
#include "band/band.h"
#include "engine/terrain_profile.h"
#include "tests/engine/test_support.h"
#include "texts/link_texts.h"
#include "texts/result_text.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace tarvanel {
namespace {

void timer1Tick(benchmark::State& state, const test::NamedLocale& named) {
    const LinkFields fields = test::exampleLink(named.locale);
    for (auto _ : state)
        benchmark::DoNotOptimize(computeResultTexts(fields, named.locale));
}
BENCHMARK_CAPTURE(timer1Tick, en_US, test::kEnUs);
BENCHMARK_CAPTURE(timer1Tick, sv_SE, test::kSvSe);

// The tick with every field empty: each result fails early.
void timer1TickEmptyFields(benchmark::State& state) {
    const LinkFields fields;
    for (auto _ : state)
        benchmark::DoNotOptimize(computeResultTexts(fields, test::kEnUs.locale));
}
BENCHMARK(timer1TickEmptyFields);

void timer2Tick(benchmark::State& state) {
    const LinkFields fields = test::exampleLink(test::kEnUs.locale);
    const float limit = legalLimitDbm(*legalRuleOf(Band::GHz2_4, 2427.0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(exceedsLegalLimit(Calc_EIRP1(fields, test::kEnUs.locale), limit));
        benchmark::DoNotOptimize(exceedsLegalLimit(Calc_EIRP2(fields, test::kEnUs.locale), limit));
    }
}
BENCHMARK(timer2Tick);

// The whole refresh of the example link at 5 km: every figure and every text.
void exampleLinkRefresh(benchmark::State& state) {
    LinkInputs inputs;
    inputs.link = test::exampleLink(test::kEnUs.locale);
    inputs.linkDistance = "5";
    for (auto _ : state)
        benchmark::DoNotOptimize(linkTexts(inputs, test::kEnUs.locale));
}
BENCHMARK(exampleLinkRefresh);

void readSingle(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(toSingle("0.22", test::kEnUs.locale));
}
BENCHMARK(readSingle);

void writePattern(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            formatPattern(32.3f, DisplayPattern::TwoDecimals, test::kEnUs.locale));
}
BENCHMARK(writePattern);

// The mW path rounds through text: the dearest power reading.
void milliwattPower(benchmark::State& state) {
    const LinkEndFields end{"50", PowerUnit::mW, "", "", "", ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(GetPower(end, test::kEnUs.locale));
}
BENCHMARK(milliwattPower);

// A 2 000-point ground profile over 20 km: rolling hills with trees.
void groundProfile(benchmark::State& state) {
    const TerrainLink link{2437, 20, 4.0 / 3.0, {100, 30}, {120, 25}};
    std::vector<TerrainPoint> points;
    for (int i = 1; i <= 2000; ++i)
        points.push_back({i * 0.00999, 110 + 30 * std::sin(i / 150.0), i % 7 == 0 ? 12.0 : 0.0});
    for (auto _ : state)
        benchmark::DoNotOptimize(terrainFigures(link, points));
}
BENCHMARK(groundProfile)->Unit(benchmark::kMicrosecond);

// The whole refresh with that profile typed into the table: reading its 2 000
// rows under the number rule, every figure of the link and every text.
void refreshWithProfile(benchmark::State& state) {
    LinkInputs inputs;
    inputs.link = test::exampleLink(test::kElGr.locale);
    inputs.link.frequency = "2437";
    inputs.linkDistance = "20";
    inputs.path = {EarthFactor::Standard, "100", "30", "120", "25", {}, ""};
    for (int i = 1; i <= 2000; ++i)
        inputs.path.points.push_back({std::to_string(i * 0.00999),
                                      std::to_string(110 + 30 * std::sin(i / 150.0)),
                                      i % 7 == 0 ? "12" : ""});
    for (auto _ : state)
        benchmark::DoNotOptimize(linkTexts(inputs, test::kElGr.locale));
}
BENCHMARK(refreshWithProfile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvanel
