#pragma once

#include "link_budget.h"
#include "locale_source.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tarvanel {

class UnderlineLine;
class UnitPicture;

// The controls of one link end's power unit.
struct PowerUnitControls {
    QLineEdit* power = nullptr;         // Text2 / Text10
    UnderlineLine* underline = nullptr; // lnUnderline1 / lnUnderline2: the unit itself
    UnitPicture* dbmPicture = nullptr;  // Imgdbm / ImgDbm2
    UnitPicture* mwPicture = nullptr;   // imgMw / ImgMw2
    QRadioButton* dbmOption = nullptr;  // Option1 / Option4
    QRadioButton* mwOption = nullptr;   // Option2 / Option3
    QLabel* unitLabel = nullptr;        // lblUnitOfPower / lblUnitOfPower_2
};

// Switches the two link ends between dBm and mW. The unit pictures and the
// option buttons are one switch: each moves the underline (the unit's only
// store), converts the power field when its text converts, and brings the
// option buttons and the unit label in step with the underline. Asking for the
// unit already in force changes nothing, not even the field's formatting.
class PowerUnits : public QObject {
    Q_OBJECT
public:
    PowerUnits(const PowerUnitControls& end1, const PowerUnitControls& end2, LocaleSource locale,
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
    void switchUnit(const PowerUnitControls& end, PowerUnit target);
    void optionSelected(const PowerUnitControls& end, QRadioButton* option, PowerUnit target);
    void showUnit(const PowerUnitControls& end, PowerUnit unit);

    PowerUnitControls m_end1;
    PowerUnitControls m_end2;
    LocaleSource m_locale;
    bool m_switching = false;
};

} // namespace tarvanel
