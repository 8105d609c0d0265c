// Names that assistive technology reads for the window's controls, from the
// window table: an input is named by the caption drawn beside it in the
// picture, with its unit as the description; the result labels name themselves
// from their caption and current text (see ResultLabel). A result label keeps
// no fixed accessible name: with one, a change of its text would no longer be
// announced to screen readers as a change of its name.

#include "app/frm_main.h"
#include "app/window_table.h"
#include "widgets/result_label.h"

#include <QLabel>

namespace tarvanel {

namespace {

// A warning is read as the EIRP it warns about: "Interface 1 EIRP: ...".
void nameWarning(QLabel* warning, LinkEnd end) {
    warning->setAccessibleName(QString::fromUtf8(rowOf(Role::Eirp, end).caption) +
                               QStringLiteral(": ") + warning->text());
}

} // namespace

void FrmMain::nameForAssistiveTechnology() {
    setAccessibleName(windowTitle());
    for (const ControlRow& row : windowTable()) {
        if (!row.caption && !row.accessibleName && !row.toolTip) continue;
        auto* widget = findChild<QWidget*>(QLatin1String(row.name));
        if (!qobject_cast<ResultLabel*>(widget)) widget->setAccessibleName(accessibleNameOf(row));
        if (row.toolTip)
            widget->setAccessibleDescription(QString::fromUtf8(row.toolTip));
        else if (row.unit && row.kind == Kind::TextBox)
            widget->setAccessibleDescription(QString::fromUtf8(row.unit));
    }
    nameWarning(m_c.end1.warning, LinkEnd::One);
    nameWarning(m_c.end2.warning, LinkEnd::Two);
}

} // namespace tarvanel
