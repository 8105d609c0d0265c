#include "engine/profile_rows.h"

#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tarvanel {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == text.npos) return {};
    return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// Without surrounding blanks and one pair of surrounding quotes.
std::string_view unquoted(std::string_view cell) {
    cell = trimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = cell.substr(1, cell.size() - 2);
    return cell;
}

std::vector<std::string_view> splitCells(std::string_view line, std::string_view separators) {
    std::vector<std::string_view> cells;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"') {
            quoted = !quoted;
        } else if (i == line.size() || (!quoted && separators.find(line[i]) != line.npos)) {
            cells.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return cells;
}

bool isHeader(std::string_view line) {
    constexpr std::array<std::string_view, 3> kNames{"distance_km", "ground_m", "clutter_m"};
    const std::vector<std::string_view> cells = splitCells(line, "\t;,");
    if (cells.size() < 2 || cells.size() > kNames.size()) return false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string_view cell = unquoted(cells[i]);
        if (!std::ranges::equal(cell, kNames[i], [](char a, char b) {
                return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
            }))
            return false;
    }
    return true;
}

// Distance and ground, and clutter when its cell holds anything; trailing
// empty cells (a spreadsheet's unused columns) do not count.
std::optional<TerrainPoint> pointOf(const std::vector<std::string>& cells,
                                    const NumberLocale& locale) {
    std::size_t count = cells.size();
    while (count > 2 && unquoted(cells[count - 1]).empty())
        --count;
    if (count < 2 || count > 3) return std::nullopt;
    const Outcome<double> km = toDouble(unquoted(cells[0]), locale);
    const Outcome<double> ground = toDouble(unquoted(cells[1]), locale);
    const Outcome<double> clutter =
        count == 3 ? toDouble(unquoted(cells[2]), locale) : Outcome<double>{0.0};
    if (!km.ok() || !ground.ok() || !clutter.ok()) return std::nullopt;
    return TerrainPoint{km.value, ground.value, clutter.value};
}

} // namespace

std::vector<ProfileRow> readProfileRows(std::string_view text, const NumberLocale& locale) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view separator = text.find('\t') != text.npos  ? "\t"
                                       : text.find(';') != text.npos ? ";"
                                                                     : ",";
    std::vector<ProfileRow> rows;
    bool first = true;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (trimmed(line).empty()) continue;
        if (std::exchange(first, false) && isHeader(line)) continue;
        ProfileRow& row = rows.emplace_back();
        row.line = number;
        for (std::string_view cell : splitCells(line, separator))
            row.cells.emplace_back(cell);
        row.point = pointOf(row.cells, locale);
    }
    return rows;
}

std::vector<TerrainPoint> sortedPoints(const std::vector<ProfileRow>& rows) {
    std::vector<TerrainPoint> points;
    for (const ProfileRow& row : rows)
        if (row.point) points.push_back(*row.point);
    std::ranges::stable_sort(points, {}, &TerrainPoint::km);
    return points;
}

} // namespace tarvanel
