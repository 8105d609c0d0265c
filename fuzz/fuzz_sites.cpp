// Reads arbitrary bytes as a block of sites (a CSV file or a spreadsheet's
// paste) under every locale: rows come in line order, a row that reads is a
// site whose texts make a site, and a site copied as the table copies it (its
// cells in order, a tab between) reads back as the same site.

#include "fuzz/fuzz_support.h"
#include "sites/site_columns.h"
#include "sites/site_rows.h"

namespace tarvanel::fuzz {
namespace {

std::string copied(const Site& site) {
    std::string line;
    for (std::size_t column = 0; column < SiteColumnCount; ++column)
        line += (column ? "\t" : "") + cellText(site, column);
    return line;
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text{reinterpret_cast<const char*>(data), size};
    Site radio;
    radio.mast = "15";
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        std::size_t line = 0;
        for (const SiteRow& row : readSiteRows(text, radio, l.locale)) {
            FUZZ_CHECK(row.line > line);
            line = row.line;
            if (!row.problem.empty()) continue;
            FUZZ_CHECK(siteProblem(row.site, l.locale).empty());
            // Quotes are read as a cell's quoting, not kept.
            const std::string copy = copied(row.site);
            if (copy.find('"') != std::string::npos) continue;
            const std::vector<SiteRow> back = readSiteRows(copy, radio, l.locale);
            FUZZ_CHECK(back.size() == 1 && back[0].problem.empty() && back[0].site == row.site);
        }
    }
    return 0;
}
