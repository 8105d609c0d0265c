#pragma once

#include "engine/link_budget.h"
#include "inputs/link_end_controls.h"
#include "inputs/locale_source.h"

#include <QObject>

namespace tarvanel {

// Switches the two link ends between dBm and mW, and keeps each end's unit.
// The unit pictures and the option buttons are one switch: each sets the unit,
// converts the power field when its text converts, and brings the underline,
// the option buttons and the unit label in step with the unit. Asking for the
// unit already in force changes nothing, not even the field's formatting.
class PowerUnits : public QObject {
    Q_OBJECT
public:
    PowerUnits(const LinkEndControls& end1, const LinkEndControls& end2, LocaleSource locale,
               QObject* parent = nullptr);

    // Each end's unit; both start in dBm.
    PowerUnit unit1() const { return m_end1.unit; }
    PowerUnit unit2() const { return m_end2.unit; }

    // Puts both ends in these units as they are, the power fields untouched (a
    // plan opened brings its texts in its units).
    void setUnits(PowerUnit end1, PowerUnit end2);

    void Imgdbm_Click();
    void imgMw_Click();
    void ImgDbm2_Click();
    void ImgMw2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option4_Click();
    void Option3_Click();

signals:
    void unitsChanged();

private:
    struct End {
        LinkEndControls controls;
        PowerUnit unit = PowerUnit::dBm;
    };
    using Handler = void (PowerUnits::*)();
    void connectEnd(const LinkEndControls& end, Handler dbmPicture, Handler mwPicture,
                    Handler dbmOption, Handler mwOption);
    void switchUnit(End& end, PowerUnit target);
    void optionSelected(End& end, QRadioButton* option, PowerUnit target);
    static void showUnit(const LinkEndControls& end, PowerUnit unit);

    End m_end1;
    End m_end2;
    LocaleSource m_locale;
    bool m_switching = false;
};

} // namespace tarvanel
