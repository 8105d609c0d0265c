#include "inputs/power_units.h"

#include "rules/power_unit_rules.h"
#include "widgets/click_area.h"
#include "widgets/underline_line.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace tarvanel {

PowerUnits::PowerUnits(const LinkEndControls& end1, const LinkEndControls& end2, QObject* parent)
    : QObject(parent)
    , m_end1{end1, LinkEnd::One}
    , m_end2{end2, LinkEnd::Two} {
    connectEnd(end1, &PowerUnits::Imgdbm_Click, &PowerUnits::imgMw_Click,
               &PowerUnits::Option1_Click, &PowerUnits::Option2_Click);
    connectEnd(end2, &PowerUnits::ImgDbm2_Click, &PowerUnits::ImgMw2_Click,
               &PowerUnits::Option4_Click, &PowerUnits::Option3_Click);
    for (const End* end : {&m_end1, &m_end2})
        showUnit(end->controls, end->unit);
}

void PowerUnits::connectEnd(const LinkEndControls& end, Handler dbmPicture, Handler mwPicture,
                            Handler dbmOption, Handler mwOption) {
    connect(end.dbmPicture, &ClickArea::clicked, this, dbmPicture);
    connect(end.mwPicture, &ClickArea::clicked, this, mwPicture);
    // toggled, not clicked: arrow keys select an option without clicking it.
    connect(end.dbmOption, &QRadioButton::toggled, this, dbmOption);
    connect(end.mwOption, &QRadioButton::toggled, this, mwOption);
}

void PowerUnits::setUnits(PowerUnit end1, PowerUnit end2) {
    const QScopedValueRollback<bool> switching(m_switching, true);
    for (auto [end, unit] : {std::pair{&m_end1, end1}, std::pair{&m_end2, end2}}) {
        if (unit == PowerUnit::None) unit = PowerUnit::dBm;
        if (end->unit == unit) continue;
        end->unit = unit;
        showUnit(end->controls, unit);
    }
}

void PowerUnits::Imgdbm_Click() {
    switchUnit(m_end1, PowerUnit::dBm);
}
void PowerUnits::imgMw_Click() {
    switchUnit(m_end1, PowerUnit::mW);
}
void PowerUnits::ImgDbm2_Click() {
    switchUnit(m_end2, PowerUnit::dBm);
}
void PowerUnits::ImgMw2_Click() {
    switchUnit(m_end2, PowerUnit::mW);
}

void PowerUnits::Option1_Click() {
    optionSelected(m_end1, m_end1.controls.dbmOption, PowerUnit::dBm);
}
void PowerUnits::Option2_Click() {
    optionSelected(m_end1, m_end1.controls.mwOption, PowerUnit::mW);
}
void PowerUnits::Option4_Click() {
    optionSelected(m_end2, m_end2.controls.dbmOption, PowerUnit::dBm);
}
void PowerUnits::Option3_Click() {
    optionSelected(m_end2, m_end2.controls.mwOption, PowerUnit::mW);
}

void PowerUnits::optionSelected(End& end, QRadioButton* option, PowerUnit target) {
    // The option that loses its selection reports too; only the selected one switches.
    if (!option->isChecked()) return;
    switchUnit(end, target);
}

void PowerUnits::switchUnit(End& end, PowerUnit target) {
    // Bringing the options in step selects one of them, which reports back here.
    if (m_switching) return;
    const QScopedValueRollback<bool> switching(m_switching, true);
    if (end.unit == target) {
        // Already in that unit: only an option that strayed is put back.
        showUnit(end.controls, end.unit);
        return;
    }
    emit unitChosen(end.end, target);
}

// The underline, the options, the unit label and the power field's
// description (which tells assistive technology the unit) follow the unit.
void PowerUnits::showUnit(const LinkEndControls& end, PowerUnit unit) {
    const UnderlineEnds ends = underlineEndsFor(unit);
    end.underline->setEnds(ends.x1, ends.x2);
    // Other listeners (the tab order follows the selected option) still hear
    // the change, so the signals are not blocked.
    (unit == PowerUnit::mW ? end.mwOption : end.dbmOption)->setChecked(true);
    end.unitLabel->setText(
        QString::fromUtf8(unitWord(unit).data(), static_cast<qsizetype>(unitWord(unit).size())));
    end.power->setAccessibleDescription(unit == PowerUnit::mW ? QStringLiteral("mW")
                                                              : QStringLiteral("dBm"));
}

} // namespace tarvanel
