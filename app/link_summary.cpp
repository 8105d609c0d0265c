#include "app/link_summary.h"

#include "app/product_name.h"
#include "app/window_table.h"
#include "widgets/result_label.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

namespace tarvanel {

namespace {

QString inputLine(const ControlRow& row, const QWidget& widget) {
    QString text;
    if (const auto* field = qobject_cast<const QLineEdit*>(&widget))
        text = field->text().trimmed();
    else if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        text = combo->currentText().trimmed();
    // A power field's unit is the one in force, which its description gives.
    const QString unit = row.role == Role::Power ? widget.accessibleDescription()
                         : row.unit              ? QString::fromUtf8(row.unit)
                                                 : QString();
    QString line = accessibleNameOf(row) + QStringLiteral(": ") + text;
    if (!text.isEmpty() && !unit.isEmpty()) line += QLatin1Char(' ') + unit;
    return line;
}

} // namespace

QString linkSummary(const QWidget& window) {
    QStringList lines{productTitle()};

    for (const ControlRow* row : rowsInTabOrder())
        if (row->kind == Kind::TextBox || row->kind == Kind::ChannelBox)
            lines << inputLine(*row, *window.findChild<QWidget*>(QLatin1String(row->name)));

    for (const ControlRow& row : windowTable()) {
        QWidget* widget = window.findChild<QWidget*>(QLatin1String(row.name));
        if (const auto* result = qobject_cast<const ResultLabel*>(widget)) {
            if (!result->text().isEmpty()) lines << result->spokenName();
        } else if (row.role == Role::Warning && !widget->isHidden()) {
            lines << widget->accessibleName();
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tarvanel
