#include "geo/geo_position.h"

#include <GeographicLib/DMS.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvanel {

namespace {

using GeographicLib::DMS;
using Problem = PositionProblem;

// Longer than any position is written; also keeps trying every separator in
// turn quick on a pasted flood.
constexpr std::size_t kMaxLength = 120;

// What installers' texts carry beyond ASCII, as the ASCII that DMS reads.
// Anything else beyond ASCII is refused, so DMS never drops a character of
// its own (it deletes no-break spaces: "37\u00a058" would read as 3758).
// clang-format off
constexpr std::array<std::pair<std::string_view, char>, 13> kSymbols{{
    {"\u00b0", 'd'}, {"\u00ba", 'd'},                     // degree, ordinal
    {"\u2032", '\''}, {"\u2019", '\''}, {"\u00b4", '\''}, // prime, quote, acute
    {"\u2033", '"'}, {"\u201d", '"'}, {"\u201c", '"'},     // double prime, quotes
    {"\u2212", '-'},                                      // minus sign
    {"\u00a0", ' '}, {"\u2007", ' '}, {"\u2009", ' '}, {"\u202f", ' '}, // spaces
}};
// clang-format on

std::optional<std::string> toAscii(std::string_view text, const NumberLocale& locale) {
    // The locale's signs and separator first: fa_IR's minus starts with a mark.
    std::vector<std::pair<std::string_view, char>> table{{locale.minus, '-'}, {locale.plus, '+'}};
    if (locale.decimal != "." && locale.decimal != ",") table.emplace_back(locale.decimal, '.');
    table.insert(table.end(), kSymbols.begin(), kSymbols.end());
    std::string ascii;
    while (!text.empty()) {
        const auto found = std::find_if(table.begin(), table.end(), [&](const auto& s) {
            return !s.first.empty() && text.starts_with(s.first);
        });
        if (found != table.end()) {
            ascii += found->second;
            text.remove_prefix(found->first.size());
            continue;
        }
        if (static_cast<unsigned char>(text.front()) >= 0x80) return std::nullopt;
        ascii += text.front() == '\t' ? ' ' : text.front();
        text.remove_prefix(1);
    }
    return ascii;
}

std::string_view trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    return begin == text.npos ? "" : text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

struct Angle {
    double degrees = 0.0;
    DMS::flag hemisphere = DMS::NONE;
    Problem problem = Problem::None;
};

// One half. Blanks next to a symbol or a letter go ("37d 58' N"); a blank
// between two numbers, or a comma where the comma separates, means another
// number. A sign only leads, and never with a letter: DMS adds the parts of
// "37-5" and reads "-37.9S" as 37.9 north.
Angle readAngle(std::string_view half, bool decimalComma) {
    std::string compact;
    bool blank = false;
    for (char c : half) {
        if (c == ' ') {
            blank = !compact.empty();
            continue;
        }
        if (c == ';' || (c == ',' && !decimalComma) ||
            (blank && isNumberChar(compact.back()) && (isNumberChar(c) || c == ',')))
            return {.problem = Problem::TooManyNumbers};
        if (std::string_view("0123456789.,+-dD'\":NSEW").find(c) == std::string_view::npos)
            return {.problem = Problem::NotAnAngle};
        compact += c == ',' ? '.' : c;
        blank = false;
    }
    if (compact.empty()) return {.problem = Problem::OneNumber};
    const std::size_t sign = compact.find_first_of("+-");
    if (sign != compact.npos && compact.find_first_of("NSEW") != compact.npos)
        return {.problem = Problem::SignAndHemisphere};
    if (sign != compact.npos && compact.find_first_of("+-", 1) != compact.npos)
        return {.problem = Problem::NotAnAngle};
    // Colons only as in 37:58:31.9: DMS (2.1) writes past its three components
    // on a fourth colon, or a third after a degree mark.
    const auto colons = std::count(compact.begin(), compact.end(), ':');
    if (colons > 2 || (colons > 0 && compact.find_first_of("dD'\"") != compact.npos))
        return {.problem = Problem::NotAnAngle};
    try {
        Angle angle;
        angle.degrees = DMS::Decode(compact, angle.hemisphere);
        return angle;
    } catch (const GeographicLib::GeographicErr& error) {
        // DMS says "Minutes 60 not in range [0, 60)", or the same of seconds.
        const bool past59 = std::string_view(error.what()).ends_with("not in range [0, 60)");
        return {.problem = past59 ? Problem::PastFiftyNine : Problem::NotAnAngle};
    }
}

bool isAngle(std::string_view half) {
    return readAngle(half, true).problem == Problem::None;
}

// Latitude and longitude from two halves, ordered by their hemisphere letters
// as DMS::DecodeLatLon orders them.
PositionReading readPair(std::string_view a, std::string_view b, bool decimalComma) {
    const Angle first = readAngle(a, decimalComma), second = readAngle(b, decimalComma);
    if (first.problem != Problem::None || second.problem != Problem::None)
        return {{}, std::max(first.problem, second.problem)};
    if (first.hemisphere != DMS::NONE && first.hemisphere == second.hemisphere)
        return {{}, Problem::HemispheresClash};
    const bool swap = first.hemisphere == DMS::LONGITUDE || second.hemisphere == DMS::LATITUDE;
    const double latitude = (swap ? second : first).degrees;
    const double longitude = (swap ? first : second).degrees;
    if (!(std::fabs(latitude) <= 90.0)) return {{}, Problem::LatitudeOutOfRange};
    if (!(std::fabs(longitude) <= 180.0)) return {{}, Problem::LongitudeOutOfRange};
    return {{latitude, longitude}};
}

} // namespace

PositionReading readPosition(std::string_view text, const NumberLocale& locale) {
    const std::optional<std::string> ascii = toAscii(text, locale);
    if (!ascii) return {{}, Problem::NotAnAngle};
    const std::string_view s = trimmed(*ascii);
    if (s.empty()) return {{}, Problem::Empty};
    if (s.size() > kMaxLength) return {{}, Problem::NotAnAngle};

    const std::size_t semicolon = s.find(';');
    if (semicolon != s.npos) {
        if (s.find(';', semicolon + 1) != s.npos) return {{}, Problem::TooManyNumbers};
        return readPair(s.substr(0, semicolon), s.substr(semicolon + 1), true);
    }
    // Every comma and every run of blanks is tried as the split; the readings
    // must agree. Where a problem differs between splits, the one latest in the
    // enumeration (nearest to a position) is told.
    std::vector<Position> readings;
    Problem latest = Problem::None;
    bool ambiguous = false;
    for (std::size_t i = 1; i < s.size(); ++i) {
        PositionReading r;
        if (s[i] == ',') {
            const std::string_view a = s.substr(0, i), b = s.substr(i + 1);
            r = readPair(a, b, false);
            // A comma that splits two halves which mark decimals with a comma.
            ambiguous |=
                (a.find(',') != a.npos || b.find(',') != b.npos) && isAngle(a) && isAngle(b);
        } else if (s[i] == ' ' && s[i - 1] != ' ') {
            r = readPair(s.substr(0, i), s.substr(s.find_first_not_of(' ', i)), true);
        } else {
            continue;
        }
        const auto same = [&](const Position& p) {
            return p.latitude == r.position.latitude && p.longitude == r.position.longitude;
        };
        if (r.ok() && std::none_of(readings.begin(), readings.end(), same))
            readings.push_back(r.position);
        latest = std::max(latest, r.problem);
    }
    const Angle whole = readAngle(s, true); // "37,23": one number, or two?
    if (ambiguous || readings.size() > 1 ||
        (readings.size() == 1 && whole.problem == Problem::None))
        return {{}, Problem::Ambiguous};
    if (readings.size() == 1) return {readings.front()};
    if (whole.problem == Problem::None) return {{}, Problem::OneNumber};
    return {{}, latest == Problem::None ? whole.problem : latest};
}

} // namespace tarvanel
