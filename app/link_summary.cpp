#include "app/link_summary.h"

#include "app/product_name.h"
#include "app/window_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <tuple>
#include <vector>

namespace tarvanel {

namespace {

QString headingOf(ReportSection section, LinkEnd end) {
    switch (section) {
    case ReportSection::End:
        return QString::fromUtf8(tarvanel::headingOf(end));
    case ReportSection::Receiver:
        return QStringLiteral("Δέκτης");
    case ReportSection::Results:
        return QStringLiteral("Αποτελέσματα");
    case ReportSection::Readouts:
        return QStringLiteral("Στην απόσταση ζεύξης");
    case ReportSection::Path:
        return QStringLiteral("Διαδρομή ζεύξης");
    case ReportSection::Link:
    case ReportSection::None:
        break;
    }
    return {};
}

// What a control shows, with its unit; empty when it holds nothing.
QString valueOf(const ControlRow& row, const QWidget& widget) {
    QString text;
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        text = field->text().trimmed();
    else if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        text = combo->currentText().trimmed();
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        text = label->text().trimmed();
    if (text.isEmpty()) return {};
    // A power field's unit is the one in force, which its description gives.
    const QString unit = row.role == Role::Power ? widget.accessibleDescription()
                         : row.unit              ? QString::fromUtf8(row.unit)
                                                 : QString();
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

// The control's line: "caption: value", a warning as its text, and a result's
// explanation (the way back, the terms of the clearance) on a line of its own.
QStringList linesOf(const ControlRow& row, const QWidget& widget) {
    if (row.kind == Kind::Warning)
        return widget.isHidden() ? QStringList{} : QStringList{QString::fromUtf8(row.text)};
    const QString value = valueOf(row, widget);
    if (value.isEmpty()) return {};
    const char* caption = row.caption ? row.caption : row.accessibleName;
    QStringList lines{QString::fromUtf8(caption) + QStringLiteral(": ") + value};
    if (row.kind == Kind::ResultLabel && !row.toolTip && !widget.toolTip().isEmpty())
        lines << widget.toolTip();
    return lines;
}

} // namespace

QString linkSummary(const QWidget& window) {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : windowTable())
        if (row.report.section != ReportSection::None) rows.push_back(&row);
    const auto order = [](const ControlRow* row) {
        return std::tuple(row->report.section, row->end, row->report.place);
    };
    std::sort(rows.begin(), rows.end(),
              [&](const ControlRow* a, const ControlRow* b) { return order(a) < order(b); });

    // Section by section; a heading only over lines with values, and the path
    // only while one of its fields holds something (its k alone says nothing).
    QStringList lines{productTitle()};
    for (auto first = rows.begin(); first != rows.end();) {
        const ControlRow& head = **first;
        const auto last = std::find_if(first, rows.end(), [&](const ControlRow* row) {
            return row->report.section != head.report.section || row->end != head.end;
        });
        QStringList body;
        bool typed = head.report.section != ReportSection::Path;
        for (auto it = first; it != last; ++it) {
            const QStringList rowLines =
                linesOf(**it, *window.findChild<QWidget*>(QLatin1String((*it)->name)));
            typed = typed || ((*it)->kind == Kind::TextBox && !rowLines.isEmpty());
            body << rowLines;
        }
        if (typed && !body.isEmpty()) {
            if (const QString heading = headingOf(head.report.section, head.end);
                !heading.isEmpty())
                lines << QString() << heading;
            lines << body;
        }
        first = last;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tarvanel
