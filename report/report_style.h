#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace tarvanel {

// The report's fonts (DejaVu Sans, as the window's), colours and measures,
// for one paint device: lengths are in its units.
struct ReportStyle {
    explicit ReportStyle(QPaintDevice* device);

    QPaintDevice* device;
    double mm;       // one millimetre
    double dpi;      // device units per inch
    double padding;  // above and below a row's text
    QFont title;     // "Αναφορά ζεύξης"
    QFont subtitle;  // the plan's name and the date
    QFont heading;   // a section's
    QFont body;      // captions, values, table cells
    QFont tableHead; // the table's header row
    QFont small;     // running header and footer
    QColor ink{0x20, 0x20, 0x20};
    QColor muted{0x5a, 0x5a, 0x5a};
    QColor accent{0x1f, 0x4e, 0x79};
    QColor rule{0xc8, 0xcc, 0xd0};
    QColor shade{0xf0, 0xf3, 0xf6};

    // The height of `text` wrapped to `width`; at least one line.
    double textHeight(const QFont& font, double width, const QString& text) const;
    double lineHeight(const QFont& font) const;
    double advance(const QFont& font, const QString& text) const;
};

// `text` wrapped inside `box`.
void drawText(QPainter& painter, const QRectF& box, const QFont& font, const QColor& colour,
              int flags, const QString& text);
// A rule `widthMm` thick along `y`, from `left` to `right`.
void drawRule(QPainter& painter, const ReportStyle& style, double y, double left, double right,
              const QColor& colour, double widthMm = 0.15);

} // namespace tarvanel
