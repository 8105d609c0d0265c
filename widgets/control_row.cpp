#include "widgets/control_row.h"

#include "engine/link_inputs.h"
#include "widgets/choice_box.h"

#include <QCheckBox>
#include <QComboBox>

namespace tarvanel {

QString accessibleNameOf(const ControlRow& row, const char* endHeading) {
    const char* own = row.caption          ? row.caption
                      : row.accessibleName ? row.accessibleName
                                           : row.toolTip;
    QString name = QString::fromUtf8(own ? own : "");
    if (endHeading && row.end != LinkEnd::None && !(row.caption && row.kind == Kind::ResultLabel))
        name += QLatin1Char(' ') + QString::fromUtf8(endHeading);
    return name;
}

QStringList choiceItemsOf(const ControlRow& row, const LinkInputs& inputs) {
    QStringList items;
    if (row.items) {
        for (const std::string& item : row.items(inputs))
            items << QString::fromStdString(item);
    } else if (*row.text) {
        items = QString::fromUtf8(row.text).split(QLatin1Char('\n'));
    }
    return items;
}

int chosenIndexOf(const ControlRow& row, const LinkInputs& inputs, int count) {
    int chosen = -1;
    for (int i = 0; i < count; ++i) {
        LinkInputs choice = inputs;
        row.chooses(choice, i);
        if (choice == inputs) chosen = i;
    }
    return chosen;
}

void showChoice(QWidget* control, const ControlRow& row, const LinkInputs& inputs) {
    control->setEnabled(!row.enabled || row.enabled(inputs));
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(chosenIndexOf(row, inputs, 2) == 1);
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(control);
    if (!combo) return;
    if (auto* choices = qobject_cast<ChoiceBox*>(combo); choices && row.items)
        choices->setChoices(choiceItemsOf(row, inputs));
    const int chosen = chosenIndexOf(row, inputs, combo->count());
    if (chosen >= 0) combo->setCurrentIndex(chosen);
}

} // namespace tarvanel
