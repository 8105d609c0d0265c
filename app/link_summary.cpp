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

    QStringList lines{productTitle()};
    QStringList section;
    bool pathTyped = false; // the path's k alone says nothing
    const auto close = [&] {
        if (!section.isEmpty() &&
            !(section.first() == headingOf(ReportSection::Path, {}) && !pathTyped))
            lines << section;
        section.clear();
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = *rows[i];
        if (i == 0 || order(rows[i - 1]) < std::tuple(row.report.section, row.end, 0)) {
            close();
            if (const QString heading = headingOf(row.report.section, row.end); !heading.isEmpty())
                section << QString() << heading;
        }
        const QStringList rowLines =
            linesOf(row, *window.findChild<QWidget*>(QLatin1String(row.name)));
        if (row.report.section == ReportSection::Path && row.kind == Kind::TextBox)
            pathTyped = pathTyped || !rowLines.isEmpty();
        section << rowLines;
    }
    close();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tarvanel
