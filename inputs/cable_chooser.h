#pragma once

#include "numbers/number_locale.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarvanel {

// Puts the display texts of the whole catalogue into the list, in catalogue order.
void fill_list(QListWidget* list);

// One link end's "..." button and the loss-per-metre field it fills.
struct CableChooserEnd {
    QPushButton* button = nullptr;  // cmdChoose / cmdchoose2
    QLineEdit* lossField = nullptr; // Text4 / Text8
    QString endName;                // "Interface No.1", for assistive technology
};

// The "..." buttons open the cable list level with the clicked button (its top is the button's)
// ("OK"); the next click on either button closes it and writes the selected cable's loss per metre
// into the clicked end's loss field, scaled to the frequency `scaleTo` gives when it gives one (the
// list's tooltip then says so; cables/cable_catalogue.h). The state lives in the controls: the
// list's visibility and position, its entries and selection, and the button captions. The list is
// filled at its first opening only, so it never grows and keeps the last selection from one opening
// to the next.
class CableChooser : public QObject {
    Q_OBJECT
public:
    CableChooser(QListWidget* List1, const CableChooserEnd& end1, const CableChooserEnd& end2,
                 std::function<NumberLocale()> locale,
                 std::function<std::optional<double>()> scaleTo, QObject* parent = nullptr);

    void cmdChoose_Click();
    void cmdchoose2_Click();

private:
    void choose(const CableChooserEnd& end);
    // Each button's accessible name says what its next press does.
    void nameButtons(bool listOpen);

    QListWidget* m_list;
    CableChooserEnd m_end1;
    CableChooserEnd m_end2;
    std::function<NumberLocale()> m_locale;
    std::function<std::optional<double>()> m_scaleTo;
};

} // namespace tarvanel
