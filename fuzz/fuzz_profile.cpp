// Reads arbitrary bytes as a pasted ground profile under every locale, and
// builds a profile from the same bytes: the figures are finite, the worst
// point is the used point with the least share of F1 free, the losses are not
// negative, and each least mast, applied, leaves 60 % of F1 free everywhere.

#include "engine/profile_rows.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cmath>

namespace tarvanel::fuzz {
namespace {

// The bytes as numbers: each pair a fraction of [low, high].
struct ByteReader {
    std::string_view bytes;
    double between(double low, double high) {
        unsigned value = 0;
        for (int i = 0; i < 2 && !bytes.empty(); ++i, bytes.remove_prefix(1))
            value = value << 8 | static_cast<unsigned char>(bytes.front());
        return low + (high - low) * value / 65535.0;
    }
};

bool finite(std::optional<double> value) {
    return !value || std::isfinite(*value);
}

void checkFigures(const TerrainFigures& t, std::size_t count) {
    FUZZ_CHECK(t.points.size() == count);
    for (const TerrainPointFigures& p : t.points)
        FUZZ_CHECK(std::isfinite(p.lineOfSight) && std::isfinite(p.bulge) &&
                   std::isfinite(p.fresnelRadius) && std::isfinite(p.clearance) &&
                   std::isfinite(p.clearancePercent));
    const bool used = std::ranges::any_of(
        t.points, [](const TerrainPointFigures& p) { return p.status == PointStatus::Used; });
    FUZZ_CHECK(used == t.worst.has_value() && finite(t.tilt1) && finite(t.tilt2));
    if (!t.worst) return;
    const WorstPoint& w = *t.worst;
    FUZZ_CHECK(w.index < count && t.points[w.index].status == PointStatus::Used);
    for (const TerrainPointFigures& p : t.points)
        FUZZ_CHECK(p.status != PointStatus::Used || p.clearancePercent >= w.percent);
    FUZZ_CHECK(std::isfinite(w.knifeEdgeV) && finite(w.knifeEdgeLossDb) &&
               w.verdict != Verdict::Unknown && finite(t.leastMast1) && finite(t.leastMast2));
    if (const auto& b = t.diffraction)
        FUZZ_CHECK(std::isfinite(b->v) && b->edgeLossDb >= 0.0 && b->lossDb >= b->edgeLossDb &&
                   std::isfinite(b->lossDb) && finite(b->breakpointKm));
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text{reinterpret_cast<const char*>(data), size};
    ByteReader bytes{text};
    constexpr std::array<double, 3> kFactors{4.0 / 3.0, 1.0, 2.0 / 3.0};
    TerrainLink link{bytes.between(100, 6000), bytes.between(0, 100),
                     kFactors[static_cast<std::size_t>(bytes.between(0, 2.99))],
                     TerrainEnd{bytes.between(-50, 3000), bytes.between(0, 200)},
                     TerrainEnd{bytes.between(-50, 3000), bytes.between(0, 200)}};

    // The block: every good row finite, the rows in line order, the points sorted.
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        const std::vector<ProfileRow> rows = readProfileRows(text, l.locale);
        std::size_t line = 0, good = 0;
        for (const ProfileRow& row : rows) {
            FUZZ_CHECK(row.line > line && !row.cells.empty());
            line = row.line;
            if (!row.point) continue;
            ++good;
            FUZZ_CHECK(std::isfinite(row.point->km) && std::isfinite(row.point->groundM) &&
                       std::isfinite(row.point->clutterM));
        }
        const std::vector<TerrainPoint> points = sortedPoints(rows);
        FUZZ_CHECK(points.size() == good && std::ranges::is_sorted(points, {}, &TerrainPoint::km));
        checkFigures(terrainFigures(link, points), points.size());
    }

    // A profile of the bytes: up to 64 points, some at or beyond the ends.
    currentLocale = "-";
    std::vector<TerrainPoint> points;
    while (bytes.bytes.size() >= 6 && points.size() < 64)
        points.push_back({bytes.between(-0.1, 1.1) * link.distanceKm, bytes.between(-50, 3000),
                          bytes.between(0, 50)});
    const TerrainFigures t = terrainFigures(link, points);
    checkFigures(t, points.size());
    for (int end : {1, 2}) {
        const std::optional<double> least = end == 1 ? t.leastMast1 : t.leastMast2;
        if (!least) continue;
        TerrainLink raised = link;
        (end == 1 ? raised.end1 : raised.end2).mastM = *least;
        const TerrainFigures r = terrainFigures(raised, points);
        FUZZ_CHECK(r.worst && r.worst->percent >= 60.0 - 1e-6);
    }
    return 0;
}
