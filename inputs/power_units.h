#pragma once

#include "engine/link_budget.h"
#include "inputs/link_end_controls.h"
#include "inputs/locale_source.h"

#include <QObject>

namespace tarvanel {

// Switches the two link ends between dBm and mW. The unit pictures and the
// option buttons are one switch: each moves the underline (the unit's only
// store), converts the power field when its text converts, and brings the
// option buttons and the unit label in step with the underline. Asking for the
// unit already in force changes nothing, not even the field's formatting.
class PowerUnits : public QObject {
    Q_OBJECT
public:
    PowerUnits(const LinkEndControls& end1, const LinkEndControls& end2, LocaleSource locale,
               QObject* parent = nullptr);

    void Imgdbm_Click();
    void imgMw_Click();
    void ImgDbm2_Click();
    void ImgMw2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option4_Click();
    void Option3_Click();

private:
    using Handler = void (PowerUnits::*)();
    void connectEnd(const LinkEndControls& end, Handler dbmPicture, Handler mwPicture,
                    Handler dbmOption, Handler mwOption);
    void switchUnit(const LinkEndControls& end, PowerUnit target);
    void optionSelected(const LinkEndControls& end, QRadioButton* option, PowerUnit target);
    void showUnit(const LinkEndControls& end, PowerUnit unit);
    static void describeUnit(const LinkEndControls& end, PowerUnit unit);

    LinkEndControls m_end1;
    LinkEndControls m_end2;
    LocaleSource m_locale;
    bool m_switching = false;
};

} // namespace tarvanel
