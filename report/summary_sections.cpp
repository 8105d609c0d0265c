#include "report/summary_sections.h"

#include <QStringList>

namespace tarvanel {

namespace {

SummaryLine lineOf(const QString& text) {
    const qsizetype colon = text.indexOf(QStringLiteral(": "));
    if (colon <= 0) return {{}, text};
    return {text.left(colon), text.mid(colon + 2)};
}

} // namespace

SummaryParts summaryParts(const QString& summary) {
    SummaryParts parts;
    const QStringList lines = summary.split(QLatin1Char('\n'));
    bool inSection = false; // false after a blank line: the next line is a heading
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const QString line = lines[at].trimmed();
        if (at == 0) {
            parts.title = line;
            parts.sections.push_back({});
            inSection = true;
        } else if (line.isEmpty()) {
            inSection = false;
        } else if (!inSection) {
            parts.sections.push_back({line, {}});
            inSection = true;
        } else {
            parts.sections.back().lines.push_back(lineOf(line));
        }
    }
    std::erase_if(parts.sections, [](const SummarySection& section) {
        return section.heading.isEmpty() && section.lines.empty();
    });
    return parts;
}

} // namespace tarvanel
