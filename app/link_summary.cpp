#include "app/link_summary.h"

#include "app/product_name.h"
#include "app/readout_explanations.h"
#include "app/window_table.h"
#include "path/path_panel_table.h"
#include "rules/cable_loss_rules.h"
#include "texts/link_texts.h"
#include "widgets/qt_number_locale.h"

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
    case ReportSection::Rates:
        return QStringLiteral("Ρυθμοί και στόχευση");
    case ReportSection::Link:
    case ReportSection::None:
        break;
    }
    return {};
}

// Only a link end's section comes twice, end 1 first; in the others a row's
// end orders nothing.
LinkEnd sectionEnd(const ControlRow& row) {
    return row.report.section == ReportSection::End ? row.end : LinkEnd::None;
}

// What the summary reads its lines from.
struct Sources {
    LinkInputs inputs;
    const LinkTexts& texts;
    NumberLocale numbers;
    ReadoutExplanations explanations;
};

// How many points the profile holds, and where they came from.
QString pointsText(const PathFields& path) {
    if (path.points.empty()) return {};
    QString text = QString::number(path.points.size());
    if (!path.pointsSource.empty())
        text +=
            QStringLiteral(" (από ") + QString::fromStdString(path.pointsSource) + QLatin1Char(')');
    return text;
}

// The rates whose datasheet figures the user typed: "MCS4: -80 dBm".
QString overridesText(const RateFields& rates, const RateTexts& texts) {
    QStringList typed;
    for (std::size_t i = 0; i < rates.overrides.size() && i < texts.rows.size(); ++i) {
        const RateOverride& row = rates.overrides[i];
        QStringList figures;
        if (!row.sensitivity.empty())
            figures
                << QStringLiteral("ευαισθησία %1 dBm").arg(QString::fromStdString(row.sensitivity));
        if (!row.power.empty())
            figures << QStringLiteral("ισχύς %1 dBm").arg(QString::fromStdString(row.power));
        if (!figures.isEmpty())
            typed << QString::fromStdString(texts.rows[i].name) + QStringLiteral(": ") +
                         figures.join(QStringLiteral(", "));
    }
    return typed.join(QStringLiteral("; "));
}

// The label of the choice whose reading gives the inputs' value: k's from the
// engine's choices, a check box's yes or no, others' from the row's items.
QString choiceOf(const ControlRow& row, const LinkInputs& inputs) {
    if (row.kind == Kind::CheckBox)
        return chosenIndexOf(row, inputs, 2) == 1 ? QStringLiteral("ναι") : QStringLiteral("όχι");
    const QStringList items = choiceItemsOf(row, inputs);
    if (items.isEmpty()) {
        const int i = chosenIndexOf(row, inputs, static_cast<int>(kEarthFactorChoices.size()));
        return i < 0 ? QString()
                     : QString::fromUtf8(kEarthFactorChoices[static_cast<std::size_t>(i)].label);
    }
    const int i = chosenIndexOf(row, inputs, static_cast<int>(items.size()));
    return i < 0 ? QString() : items[i];
}

const LinkEndFields& endOf(const LinkInputs& inputs, LinkEnd end) {
    return end == LinkEnd::Two ? inputs.link.end2 : inputs.link.end1;
}

// What a control shows, without its unit; empty when it holds nothing.
QString textOf(const ControlRow& row, Sources& from) {
    // The distance in force: the positions', or the one typed.
    if (row.role == Role::LinkDistance)
        return QString::fromStdString(from.texts.positions.linkDistance).trimmed();
    if (row.kind == Kind::ProfileTable) return pointsText(from.inputs.path);
    if (row.kind == Kind::RateTable) return overridesText(from.inputs.rates, from.texts.rates);
    // A control that takes no input for these inputs (the width at 2.4 GHz) says nothing.
    if (row.enabled && !row.enabled(from.inputs)) return {};
    if (row.feeds) return QString::fromStdString(row.feeds(from.inputs)).trimmed();
    if (row.chooses) return choiceOf(row, from.inputs);
    if (row.shows) return QString::fromStdString(row.shows(from.texts)).trimmed();
    if (row.role == Role::CableLoss)
        return QString::fromStdString(cableLossText(endOf(from.inputs, row.end), from.numbers));
    return {};
}

QString unitOf(const ControlRow& row, const Sources& from) {
    // A power field's unit is the one in force.
    if (row.role == Role::Power)
        return endOf(from.inputs, row.end).unit == PowerUnit::mW ? QStringLiteral("mW")
                                                                 : QStringLiteral("dBm");
    return row.unit ? QString::fromUtf8(row.unit) : QString();
}

QString explanationOf(const ControlRow& row, const Sources& from) {
    if (row.role == Role::GreatestDistance) return from.explanations.distance;
    if (row.role == Role::Clearance) return from.explanations.clearance;
    const PositionTexts& positions = from.texts.positions;
    if (row.role == Role::Position && row.end == LinkEnd::Two && positions.fromPositions)
        return QStringLiteral("Απόσταση από τις θέσεις: ") +
               QString::fromStdString(positions.linkDistance) + QStringLiteral(" km");
    return {};
}

// The control's line: "caption: value", a warning as its text, and a result's
// explanation (the way back, the terms of the clearance) on a line of its own.
QStringList linesOf(const ControlRow& row, Sources& from) {
    if (row.kind == Kind::Warning) {
        const bool shown = row.end == LinkEnd::Two ? from.texts.warning2 : from.texts.warning1;
        return shown ? QStringList{QString::fromUtf8(row.text)} : QStringList{};
    }
    const QString text = textOf(row, from);
    if (text.isEmpty()) return {};
    const QString unit = unitOf(row, from);
    const char* caption = row.caption ? row.caption : row.accessibleName;
    QStringList lines{QString::fromUtf8(caption) + QStringLiteral(": ") + text +
                      (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit)};
    if (const QString explanation = explanationOf(row, from); !explanation.isEmpty())
        lines << explanation;
    return lines;
}

} // namespace

QString linkSummary(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale) {
    std::vector<const ControlRow*> rows;
    for (std::span<const ControlRow> table : {windowTable(), pathPanelTable()})
        for (const ControlRow& row : table)
            if (row.report.section != ReportSection::None) rows.push_back(&row);
    const auto order = [](const ControlRow* row) {
        return std::tuple(row->report.section, sectionEnd(*row), row->report.place);
    };
    std::sort(rows.begin(), rows.end(),
              [&](const ControlRow* a, const ControlRow* b) { return order(a) < order(b); });

    Sources from{inputs, texts, numberLocaleFrom(locale), readoutExplanations(texts, locale)};
    // Section by section; a heading only over lines with values, and the path
    // only while one of its fields holds something (its k alone says nothing).
    QStringList lines{productTitle()};
    for (auto first = rows.begin(); first != rows.end();) {
        const ControlRow& head = **first;
        const auto last = std::find_if(first, rows.end(), [&](const ControlRow* row) {
            return row->report.section != head.report.section ||
                   sectionEnd(*row) != sectionEnd(head);
        });
        QStringList body;
        bool typed = head.report.section != ReportSection::Path;
        for (auto it = first; it != last; ++it) {
            const QStringList rowLines = linesOf(**it, from);
            typed = typed || ((*it)->kind == Kind::TextBox && !rowLines.isEmpty());
            body << rowLines;
        }
        if (typed && !body.isEmpty()) {
            if (const QString heading = headingOf(head.report.section, sectionEnd(head));
                !heading.isEmpty())
                lines << QString() << heading;
            lines << body;
        }
        first = last;
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tarvanel
