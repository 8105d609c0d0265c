#pragma once

#include "texts/sheet.h"

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

using Drawing = std::function<void(QPainter& painter, const QRectF& box)>;

// What a link's report holds.
struct LinkReport {
    QString planName; // left out when empty
    QDate date;
    // The link's sheet: its title names the PDF's creator, its sections are
    // laid out in their order.
    Sheet sheet;
    // The answer a client reads first, framed at the top of page 1: its first
    // line (whether the link closes) as a heading, then one line each. Left
    // out when empty.
    std::vector<VerdictLine> verdict;
    // Draws the path seen from the side, as vectors, into `box`. The box is
    // about the page's width by 7 cm, in units of 1/96 inch (a screen pixel at
    // 96 dpi), so code that draws for the screen in pixels keeps its
    // proportions. Left out when empty.
    Drawing drawSideView;
    // The ground profile, one row a point; the table is left out when empty
    // and runs onto further pages with its header row repeated.
    std::vector<ReportPoint> points;
    // The rates, after the summary's sections; left out when empty.
    std::vector<ReportRate> rates;
    // The map around the link, after the side view, in a box the column's
    // width by 10 cm (units as the side view's). Left out when empty.
    Drawing drawMap;
    // The link's title over its part of a plan's report ("Ζεύξη A – B").
    QString title;
};

// What a plan's report holds: on page 1 the verdict of every link, a table
// whose rows run onto further pages with its header repeated, the map around
// the sites and the plan's own sections (the survey); then each link's report,
// from a page of its own under its title.
struct PlanReport {
    QString planName; // left out when empty
    QDate date;
    QString creator; // "Tarvanel 0.1"
    SheetSection verdicts;
    Drawing drawMap; // a box the column's width by 12 cm; left out when empty
    std::vector<SheetSection> sections;
    std::vector<LinkReport> links;
};

// Writes the report as an A4 PDF at `pdfPath`, replacing the file only once
// the whole report is written. On failure returns false and, when `error` is
// given, a message naming the file.
bool writeLinkReport(const QString& pdfPath, const LinkReport& content, QString* error = nullptr);
bool writePlanReport(const QString& pdfPath, const PlanReport& content, QString* error = nullptr);

} // namespace tarvanel
