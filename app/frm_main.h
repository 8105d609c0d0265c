#pragma once

#include "chrome_label.h"
#include "link_fields_snapshot.h"
#include "result_label.h"
#include "underline_line.h"
#include "unit_picture.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tarvanel {

// The program's only window: a fixed 550 x 362 borderless panel whose captions
// are drawn in the background picture, with every control of the program on
// top of it. The controls are the program's data; the window refreshes the
// results from the link-budget engine on its two timers.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    // Every control of the window, named as its objectName. Other parts of the
    // program (input behaviour, cable chooser) and the tests work through these.
    struct Controls {
        // The link as a whole.
        QLineEdit* txtFrequency = nullptr; // MHz
        QComboBox* Combo1 = nullptr;       // channel
        QLineEdit* Text11 = nullptr;       // receiver sensitivity, dBm
        QLineEdit* Text12 = nullptr;       // fade margin, dB

        // Link end 1: power, gain, loss per metre, length, connectors.
        QLineEdit* Text2 = nullptr;
        QLineEdit* Text3 = nullptr;
        QLineEdit* Text4 = nullptr;
        QLineEdit* Text5 = nullptr;
        QLineEdit* Text6 = nullptr;
        // Link end 2: power, gain, loss per metre, length, connectors.
        QLineEdit* Text10 = nullptr;
        QLineEdit* Text9 = nullptr;
        QLineEdit* Text8 = nullptr;
        QLineEdit* Text7 = nullptr;
        QLineEdit* Text1 = nullptr;

        // The cable chooser: its list and the two "..." buttons.
        QListWidget* List1 = nullptr;
        QPushButton* cmdChoose = nullptr;
        QPushButton* cmdchoose2 = nullptr;

        // Power units: pictures, underlines and the frames outside the client area.
        UnitPicture* Imgdbm = nullptr;
        UnitPicture* imgMw = nullptr;
        UnitPicture* ImgDbm2 = nullptr;
        UnitPicture* ImgMw2 = nullptr;
        UnderlineLine* lnUnderline1 = nullptr;
        UnderlineLine* lnUnderline2 = nullptr;
        QGroupBox* Frame1 = nullptr;
        QRadioButton* Option1 = nullptr; // dBm, link end 1
        QRadioButton* Option2 = nullptr; // mWatts, link end 1
        QLabel* lblUnitOfPower = nullptr;
        QGroupBox* Frame2 = nullptr;
        QRadioButton* Option4 = nullptr; // dBm, link end 2
        QRadioButton* Option3 = nullptr; // mWatts, link end 2
        QLabel* lblUnitOfPower_2 = nullptr;

        // Results.
        ResultLabel* lblCableLoss = nullptr;
        ResultLabel* lblCableLoss2 = nullptr;
        ResultLabel* lblEIRP1 = nullptr;
        ResultLabel* lblEIRP2 = nullptr;
        ResultLabel* lblDistance = nullptr;
        ResultLabel* lblFSL = nullptr;
        ResultLabel* lblFrensel = nullptr;
        QLabel* lblBlink1 = nullptr;
        QLabel* lblBlink2 = nullptr;

        // The drawn title strip.
        ChromeLabel* lbltitle = nullptr;
        ChromeLabel* lblMinimize = nullptr;
        ChromeLabel* lblexit = nullptr;

        QTimer* Timer1 = nullptr; // results, every 200 ms
        QTimer* Timer2 = nullptr; // legal-limit warnings, every 600 ms
    };

    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    const Controls& controls() const { return m_c; }

    // The controls the engine reads its inputs from.
    LinkSources linkSources() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void chainTabOrder();
    void nameForAssistiveTechnology();
    void installBehaviours();

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void lbltitle_MouseDown(QPointF globalPosition);
    void lblMinimize_Click();
    void lblexit_Click();

    Controls m_c;
};

} // namespace tarvanel
