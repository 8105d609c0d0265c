#pragma once

#include <QDate>
#include <QRectF>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace tarvanel {

// A row of the ground profile's table, as the texts to print.
struct ReportPoint {
    QString distanceKm;
    QString groundM;
    QString clutterM;
    QString clearanceM;
    QString fresnelPercent; // the clearance in % of the first Fresnel radius
};

// How a line of the verdict or a margin reads: green for good news, red for
// bad, in the text's own colour otherwise.
enum class Tone { Plain, Good, Bad };

struct VerdictLine {
    QString text;
    Tone tone = Tone::Plain;
};

// A row of the rate table, as the texts to print.
struct ReportRate {
    QString rate; // "MCS3", or "54 Mb/s"
    QString megabits;
    QString sensitivityDbm;
    QString greatestKm;
    QString marginDb;
    Tone margin = Tone::Plain; // whether it keeps the fade margin
};

// What a link's report holds.
struct LinkReport {
    QString planName; // left out when empty
    QDate date;
    // The program's plain-text summary (linkSummary): its title line names
    // the PDF's creator, its sections are laid out in their order.
    QString summary;
    // The answer a client reads first, framed at the top of page 1: its first
    // line (whether the link closes) as a heading, then one line each. Left
    // out when empty.
    std::vector<VerdictLine> verdict;
    // Draws the path seen from the side, as vectors, into `box`. The box is
    // about the page's width by 7 cm, in units of 1/96 inch (a screen pixel at
    // 96 dpi), so code that draws for the screen in pixels keeps its
    // proportions. Left out when empty.
    std::function<void(QPainter& painter, const QRectF& box)> drawSideView;
    // The ground profile, one row a point; the table is left out when empty
    // and runs onto further pages with its header row repeated.
    std::vector<ReportPoint> points;
    // The rates, after the summary's sections; left out when empty.
    std::vector<ReportRate> rates;
};

// Writes the report as an A4 PDF at `pdfPath`, replacing the file only once
// the whole report is written. On failure returns false and, when `error` is
// given, a message naming the file.
bool writeLinkReport(const QString& pdfPath, const LinkReport& content, QString* error = nullptr);

} // namespace tarvanel
