#pragma once

#include "engine/link_budget.h"
#include "inputs/link_end_controls.h"
#include "widgets/control_row.h"

#include <QObject>

namespace tarvanel {

// The two link ends' switches between dBm and mW. The unit pictures and the
// option buttons are one switch: each asks for its unit (the window converts
// the power in the plan), and setUnits brings the underline, the option
// buttons and the unit label in step with the plan's units. Asking for the
// unit already in force asks nothing.
class PowerUnits : public QObject {
    Q_OBJECT
public:
    PowerUnits(const LinkEndControls& end1, const LinkEndControls& end2, QObject* parent = nullptr);

    // Shows both ends in these units (None shows as dBm).
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
    // The user asked for the other unit at this end.
    void unitChosen(LinkEnd end, PowerUnit unit);

private:
    struct End {
        LinkEndControls controls;
        LinkEnd end;
        PowerUnit unit = PowerUnit::dBm; // as shown
    };
    using Handler = void (PowerUnits::*)();
    void connectEnd(const LinkEndControls& end, Handler dbmPicture, Handler mwPicture,
                    Handler dbmOption, Handler mwOption);
    void switchUnit(End& end, PowerUnit target);
    void optionSelected(End& end, QRadioButton* option, PowerUnit target);
    static void showUnit(const LinkEndControls& end, PowerUnit unit);

    End m_end1;
    End m_end2;
    bool m_switching = false;
};

} // namespace tarvanel
