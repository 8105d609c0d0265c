// Creates the window's controls from the window table: their kinds, places,
// texts, fonts, colours and names. Siblings stack in creation order, which is
// the table's order, back to front. The path panel is left for its first use.

#include "app/frm_main.h"
#include "app/window_table.h"
#include "widgets/control_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace tarvanel {

namespace {

constexpr int kResultsIntervalMs = 200;

QTimer* timer(QObject* parent, const char* name, int intervalMs) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(intervalMs);
    return t;
}

// A warning is read as the EIRP it warns about: "Interface 1 EIRP: ...".
void nameWarning(QLabel* warning, LinkEnd end) {
    warning->setAccessibleName(warningNameOf(end));
}

} // namespace

void FrmMain::createControls() {
    for (const ControlRow& row : windowTable()) {
        if (row.kind == Kind::Panel) continue;
        const LinkEndControls& end = row.end == LinkEnd::Two ? m_c.end2 : m_c.end1;
        QWidget* parent = this;
        if (row.container == Container::EndFrame) parent = end.frame;
        QWidget* widget = createControl(row, parent, windowNameOf(row));
        if (row.keep) row.keep(&m_c, row.end, widget);
        adopt({&row, widget});
    }
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2})
        end->dbmOption->setChecked(true);

    m_c.Timer1 = timer(this, "Timer1", kResultsIntervalMs);
}

void FrmMain::nameWarnings() {
    nameWarning(m_c.end1.warning, LinkEnd::One);
    nameWarning(m_c.end2.warning, LinkEnd::Two);
}

} // namespace tarvanel
