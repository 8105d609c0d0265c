#pragma once

#include <string>
#include <vector>

namespace tarvanel {

// What a plan's outputs say, before they are laid out: the summary a user
// copies, the PDF report and the plan's other reports are built from sheets,
// never from each other. Every text is already in the user's locale.

// How a value reads: green for good news, red for bad, plain otherwise.
enum class Tone { Plain, Good, Bad };

struct SheetLine {
    std::string caption; // "Ισχύς εκπομπής"
    std::string value;   // with its unit, "20 dBm"; a line without one is left out
    Tone tone = Tone::Plain;
};

// Rows of figures under a header, one tone a cell (empty: all plain).
struct SheetTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<Tone>> tones;
};

struct SheetSection {
    std::string heading; // empty for the lines under the title
    std::vector<SheetLine> lines;
    SheetTable table; // after the lines; left out without rows
};

struct Sheet {
    std::string title; // "Tarvanel 0.1"
    std::vector<SheetSection> sections;
};

} // namespace tarvanel
