#pragma once

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvanel {

class ClickArea;
class UnderlineLine;

// Every control of one link end, by its role. The window's table gives each
// one its objectName (Text2 / Text10, lnUnderline1 / lnUnderline2, ...).
struct LinkEndControls {
    QLineEdit* power = nullptr;        // in the end's power unit
    QLineEdit* gain = nullptr;         // dBi
    QLineEdit* lossPerMetre = nullptr; // dB/m
    QLineEdit* length = nullptr;       // m
    QLineEdit* connectors = nullptr;   // count
    QPushButton* chooseCable = nullptr;
    QLabel* cableLoss = nullptr; // result, dB
    QLabel* eirp = nullptr;      // result, dBm
    QLabel* warning = nullptr;   // shown above the legal limit

    // The power unit: pictures, the underline (the unit's only store), and the
    // option buttons and unit label in the frame outside the client area.
    ClickArea* dbmPicture = nullptr;
    ClickArea* mwPicture = nullptr;
    UnderlineLine* underline = nullptr;
    QGroupBox* frame = nullptr;
    QRadioButton* dbmOption = nullptr;
    QRadioButton* mwOption = nullptr;
    QLabel* unitLabel = nullptr;
};

} // namespace tarvanel
