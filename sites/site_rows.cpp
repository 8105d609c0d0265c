#include "sites/site_rows.h"

#include "engine/profile_rows.h"
#include "numbers/number_text.h"
#include "sites/site_columns.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tarvanel {

namespace {

constexpr std::size_t kLatitude = SiteColumnCount;
constexpr std::size_t kLongitude = SiteColumnCount + 1;
constexpr std::size_t kLeftOut = SiteColumnCount + 2;

std::string_view blanksTrimmed(std::string_view cell) {
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t'))
        cell.remove_prefix(1);
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t'))
        cell.remove_suffix(1);
    return cell;
}

// Without one pair of surrounding quotes and the blanks outside and inside
// them: a name's blanks at its ends are never kept (`" A "` is A), as the
// table, which writes cells unquoted, would lose them.
std::string_view unquoted(std::string_view cell) {
    cell = blanksTrimmed(cell);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = blanksTrimmed(cell.substr(1, cell.size() - 2));
    return cell;
}

std::string lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return lower;
}

// The column a header's name stands for, the latitude or longitude, or none.
std::size_t columnNamed(std::string_view name) {
    const std::string key = lowered(unquoted(name));
    if (key == "lat" || key == "latitude") return kLatitude;
    if (key == "lon" || key == "lng" || key == "longitude") return kLongitude;
    for (std::size_t column = 0; column < SiteColumnCount; ++column)
        if (siteColumns()[column].key == key) return column;
    return kLeftOut;
}

// The columns a header gives its cells, or none when the line is no header.
std::optional<std::vector<std::size_t>> headerOf(const std::vector<std::string>& cells) {
    std::vector<std::size_t> columns;
    for (const std::string& cell : cells)
        columns.push_back(columnNamed(cell));
    const auto has = [&](std::size_t column) { return std::ranges::count(columns, column) > 0; };
    if (has(NameColumn) && (has(PositionColumn) || (has(kLatitude) && has(kLongitude))))
        return columns;
    return std::nullopt;
}

std::string positionOf(std::string_view latitude, std::string_view longitude) {
    return std::string(latitude) + "; " + std::string(longitude);
}

SiteRow rowOf(const ProfileRow& line, const std::vector<std::size_t>& columns, const Site& radio,
              const NumberLocale& locale) {
    SiteRow row{line.line, radio, {}};
    row.site.name.clear();
    row.site.position.clear();
    row.site.ground.clear();
    std::string latitude, longitude;
    std::size_t count = line.cells.size();
    while (count > 0 && unquoted(line.cells[count - 1]).empty())
        --count; // a spreadsheet's unused columns
    if (count > columns.size()) row.problem = "Περισσότερα κελιά από τις στήλες.";
    for (std::size_t i = 0; i < std::min(count, columns.size()); ++i) {
        const std::string_view cell = unquoted(line.cells[i]);
        if (columns[i] == kLatitude)
            latitude = cell;
        else if (columns[i] == kLongitude)
            longitude = cell;
        else if (columns[i] < SiteColumnCount && !setCell(row.site, columns[i], cell))
            row.problem = std::string(siteColumns()[columns[i]].caption) + ": dBm ή mW.";
    }
    if (!latitude.empty() || !longitude.empty())
        row.site.position = positionOf(latitude, longitude);
    if (row.problem.empty()) row.problem = siteProblem(row.site, locale);
    return row;
}

// Degrees to the centimetre, with the locale's signs.
std::string degreesText(double degrees, const NumberLocale& locale) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.7f", std::abs(degrees));
    std::string text = digits;
    text.replace(text.find('.'), 1, locale.decimal);
    return (degrees < 0 ? locale.minus : std::string()) + text;
}

} // namespace

std::vector<SiteRow> readSiteRows(std::string_view text, const Site& radio,
                                  const NumberLocale& locale) {
    // Only the cells of the profile's reading count here, not its points.
    std::vector<ProfileRow> lines = readProfileRows(text, locale);
    std::vector<std::size_t> columns(SiteColumnCount);
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = i;
    if (!lines.empty())
        if (const auto header = headerOf(lines.front().cells)) {
            columns = *header;
            lines.erase(lines.begin());
        }
    std::vector<SiteRow> rows;
    for (const ProfileRow& line : lines)
        rows.push_back(rowOf(line, columns, radio, locale));
    return rows;
}

std::vector<SiteRow> siteRowsOf(const std::vector<PointFeature>& features, const Site& radio,
                                const NumberLocale& locale) {
    std::vector<SiteRow> rows;
    for (const PointFeature& feature : features) {
        SiteRow& row = rows.emplace_back(SiteRow{rows.size() + 1, radio, feature.reason});
        Site& site = row.site;
        site.name = feature.name;
        site.ground.clear();
        if (!feature.reason.empty()) continue;
        const std::string_view decimal = locale.decimal;
        site.position = degreesText(feature.position.latitude, locale) +
                        (decimal == "." ? ", " : "; ") +
                        degreesText(feature.position.longitude, locale);
        const bool antennaHeight = std::ranges::any_of(
            feature.attributes, [](const auto& field) { return field.first == kAntennaHeightKey; });
        if (feature.altitudeM && !antennaHeight)
            site.ground = formatPattern(*feature.altitudeM, DisplayPattern::OneDecimal, locale);
        for (const auto& [name, value] : feature.attributes) {
            const std::size_t column = columnNamed(name);
            if (column != NameColumn && column < SiteColumnCount && !setCell(site, column, value))
                row.problem = std::string(siteColumns()[column].caption) + ": dBm ή mW.";
        }
        if (row.problem.empty()) row.problem = siteProblem(site, locale);
    }
    return rows;
}

} // namespace tarvanel
