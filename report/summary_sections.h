#pragma once

#include <QString>

#include <vector>

namespace tarvanel {

// The plain-text summary of a link read back into its parts, to lay out on a
// page: the program's title on the first line, then sections apart by a blank
// line, each a heading followed by "caption: value" lines. The lines right
// under the title form a section without a heading.
struct SummaryLine {
    QString caption; // before the first ": "; empty for a line without one
    QString value;   // the rest, or the whole line
};

struct SummarySection {
    QString heading; // empty for the lines under the title
    std::vector<SummaryLine> lines;
};

struct SummaryParts {
    QString title; // "Tarvanel 0.1"
    std::vector<SummarySection> sections;
};

SummaryParts summaryParts(const QString& summary);

} // namespace tarvanel
