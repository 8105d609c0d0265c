#pragma once

#include "number_locale.h"

#include <QObject>

#include <functional>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarvanel {

// Puts the display texts of the whole catalogue into the list, in catalogue order.
void fill_list(QListWidget* list);

// The controls of the cable chooser.
struct CableChooserControls {
    QListWidget* List1 = nullptr;
    QPushButton* cmdChoose = nullptr;  // link end 1
    QPushButton* cmdchoose2 = nullptr; // link end 2
    QLineEdit* Text4 = nullptr;        // loss per metre, link end 1
    QLineEdit* Text8 = nullptr;        // loss per metre, link end 2
};

// The "..." buttons open the cable list level with the clicked button ("OK");
// the next click on either button closes it and writes the selected cable's
// loss per metre into the clicked end's loss field. The state lives in the
// controls: the list's visibility and position, its entries and selection, and
// the button captions. The list is filled at its first opening only, so it
// never grows and keeps the last selection from one opening to the next.
class CableChooser : public QObject {
    Q_OBJECT
public:
    CableChooser(const CableChooserControls& controls, std::function<NumberLocale()> locale,
                 QObject* parent = nullptr);

    void cmdChoose_Click();
    void cmdchoose2_Click();

private:
    void choose(QPushButton* button, int topTwips, QLineEdit* lossField);

    CableChooserControls m_c;
    std::function<NumberLocale()> m_locale;
};

} // namespace tarvanel
