#pragma once

#include <QLabel>

namespace tarvanel {

// A label that shows a result number. Assistive technology hears it as its
// caption followed by the current text and unit, e.g. "Interface 1 EIRP
// 32.30 dBm", whoever writes the text: the name is read from the label each time.
// What a result's tooltip says until its row or a refresh explains it: the
// keys that walk the results (app/result_walk.h).
inline constexpr const char* kResultWalkHint =
    "F8: τα αποτελέσματα ένα ένα (Shift+F8 προς τα πίσω, πλήκτρο διαφυγής: επιστροφή στο πεδίο)";

class ResultLabel : public QLabel {
    Q_OBJECT
public:
    // `unit` is spoken after the text when the label's own text carries no unit
    // (the unit is drawn in the background picture instead).
    ResultLabel(const QString& caption, const QString& text, QWidget* parent = nullptr,
                const QString& unit = {});

    // Caption, text and unit as one phrase.
    QString spokenName() const;

private:
    QString m_caption;
    QString m_unit;
};

} // namespace tarvanel
