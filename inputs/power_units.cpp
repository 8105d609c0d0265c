#include "inputs/power_units.h"

#include "rules/power_unit_rules.h"
#include "widgets/click_area.h"
#include "widgets/underline_line.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace tarvanel {

PowerUnits::PowerUnits(const LinkEndControls& end1, const LinkEndControls& end2,
                       LocaleSource locale, QObject* parent)
    : QObject(parent)
    , m_end1(end1)
    , m_end2(end2)
    , m_locale(std::move(locale)) {
    connectEnd(end1, &PowerUnits::Imgdbm_Click, &PowerUnits::imgMw_Click,
               &PowerUnits::Option1_Click, &PowerUnits::Option2_Click);
    connectEnd(end2, &PowerUnits::ImgDbm2_Click, &PowerUnits::ImgMw2_Click,
               &PowerUnits::Option4_Click, &PowerUnits::Option3_Click);
    for (const LinkEndControls* end : {&m_end1, &m_end2})
        describeUnit(*end, powerUnitFromUnderline(end->underline->x1()));
}

// The power field's description tells assistive technology its present unit.
void PowerUnits::describeUnit(const LinkEndControls& end, PowerUnit unit) {
    end.power->setAccessibleDescription(unit == PowerUnit::mW ? QStringLiteral("mW")
                                                              : QStringLiteral("dBm"));
}

void PowerUnits::connectEnd(const LinkEndControls& end, Handler dbmPicture, Handler mwPicture,
                            Handler dbmOption, Handler mwOption) {
    connect(end.dbmPicture, &ClickArea::clicked, this, dbmPicture);
    connect(end.mwPicture, &ClickArea::clicked, this, mwPicture);
    // toggled, not clicked: arrow keys select an option without clicking it.
    connect(end.dbmOption, &QRadioButton::toggled, this, dbmOption);
    connect(end.mwOption, &QRadioButton::toggled, this, mwOption);
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
    optionSelected(m_end1, m_end1.dbmOption, PowerUnit::dBm);
}
void PowerUnits::Option2_Click() {
    optionSelected(m_end1, m_end1.mwOption, PowerUnit::mW);
}
void PowerUnits::Option4_Click() {
    optionSelected(m_end2, m_end2.dbmOption, PowerUnit::dBm);
}
void PowerUnits::Option3_Click() {
    optionSelected(m_end2, m_end2.mwOption, PowerUnit::mW);
}

void PowerUnits::optionSelected(const LinkEndControls& end, QRadioButton* option,
                                PowerUnit target) {
    // The option that loses its selection reports too; only the selected one switches.
    if (!option->isChecked()) return;
    switchUnit(end, target);
}

void PowerUnits::switchUnit(const LinkEndControls& end, PowerUnit target) {
    // Bringing the options in step selects one of them, which reports back here.
    if (m_switching) return;
    const QScopedValueRollback<bool> switching(m_switching, true);
    if (!switchesTo(end.underline->x1(), target)) {
        // Already in that unit: only an option that strayed is put back.
        const PowerUnit present = powerUnitFromUnderline(end.underline->x1());
        if (present != PowerUnit::None) showUnit(end, present);
        return;
    }

    const UnderlineEnds ends = underlineEndsFor(target);
    end.underline->setEnds(ends.x1, ends.x2);
    showUnit(end, target);
    describeUnit(end, target);

    const auto converted = convertPowerText(end.power->text().toStdString(), target, m_locale());
    if (converted) end.power->setText(QString::fromStdString(*converted));
}

void PowerUnits::showUnit(const LinkEndControls& end, PowerUnit unit) {
    // Other listeners (the tab order follows the selected option) still hear
    // the change, so the signals are not blocked.
    (unit == PowerUnit::mW ? end.mwOption : end.dbmOption)->setChecked(true);
    end.unitLabel->setText(
        QString::fromUtf8(unitWord(unit).data(), static_cast<qsizetype>(unitWord(unit).size())));
}

} // namespace tarvanel
