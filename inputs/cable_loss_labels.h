#pragma once

#include "locale_source.h"

#include <QObject>

class QLabel;
class QLineEdit;

namespace tarvanel {

// One link end's cable fields and the label that shows their cable loss.
struct CableLossControls {
    QLineEdit* lossPerMetre = nullptr; // Text4 / Text8
    QLineEdit* length = nullptr;       // Text5 / Text7
    QLineEdit* connectors = nullptr;   // Text6 / Text1
    QLabel* label = nullptr;           // lblCableLoss / lblCableLoss2
};

// Recomputes a link end's cable loss on every change of one of its three cable
// fields, typed or written from code, and shows it in the end's label at once.
class CableLossLabels : public QObject {
    Q_OBJECT
public:
    CableLossLabels(const CableLossControls& end1, const CableLossControls& end2,
                    LocaleSource locale, QObject* parent = nullptr);

    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text8_Change();
    void Text7_Change();
    void Text1_Change();

private:
    void showCableLoss(const CableLossControls& end);

    CableLossControls m_end1;
    CableLossControls m_end2;
    LocaleSource m_locale;
};

} // namespace tarvanel
