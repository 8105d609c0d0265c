// Names that assistive technology reads for the window's controls. An input is
// named by the caption drawn beside it in the picture; the result labels name
// themselves from their caption and current text (see ResultLabel).

#include "chrome_label.h"
#include "frm_main.h"
#include "unit_picture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tarvanel {

namespace {

const QString kEnd1 = QStringLiteral("Interface No.1");
const QString kEnd2 = QStringLiteral("Interface No.2");

void name(QWidget* widget, const QString& name, const QString& description = {}) {
    widget->setAccessibleName(name);
    if (!description.isEmpty()) widget->setAccessibleDescription(description);
}

QString ofEnd(const QString& caption, const QString& end) {
    return caption + QLatin1Char(' ') + end;
}

} // namespace

void FrmMain::nameForAssistiveTechnology() {
    const auto& c = m_c;
    setAccessibleName(windowTitle());

    name(c.txtFrequency, QStringLiteral("Συχνότητα"), QStringLiteral("MHz"));
    name(c.Combo1, QStringLiteral("Κανάλι"));

    struct EndFields {
        const QString& end;
        QLineEdit *power, *gain, *lossPerMetre, *length, *connectors;
    };
    for (const EndFields& e : {EndFields{kEnd1, c.Text2, c.Text3, c.Text4, c.Text5, c.Text6},
                               EndFields{kEnd2, c.Text10, c.Text9, c.Text8, c.Text7, c.Text1}}) {
        name(e.power, ofEnd(QStringLiteral("Ισχύς εκπομπής"), e.end));
        name(e.gain, ofEnd(QStringLiteral("Απολαβή κεραίας (Gain)"), e.end), QStringLiteral("dBi"));
        name(e.lossPerMetre, ofEnd(QStringLiteral("Απώλειες καλωδίου"), e.end),
             QStringLiteral("dB/m"));
        name(e.length, ofEnd(QStringLiteral("Μήκος καλωδίου"), e.end), QStringLiteral("m"));
        name(e.connectors, ofEnd(QStringLiteral("Αριθμός συνδετήρων"), e.end));
    }
    name(c.Text11, QStringLiteral("Ευαισθησία δέκτη"), QStringLiteral("dBm"));
    name(c.Text12, QStringLiteral("Fade Margin"), QStringLiteral("dB"));

    name(c.cmdChoose, ofEnd(QStringLiteral("Choose cable,"), kEnd1));
    name(c.cmdchoose2, ofEnd(QStringLiteral("Choose cable,"), kEnd2));
    name(c.List1, QStringLiteral("Cable types"));

    name(c.Imgdbm, ofEnd(QStringLiteral("Power in dBm,"), kEnd1));
    name(c.imgMw, ofEnd(QStringLiteral("Power in mW,"), kEnd1));
    name(c.ImgDbm2, ofEnd(QStringLiteral("Power in dBm,"), kEnd2));
    name(c.ImgMw2, ofEnd(QStringLiteral("Power in mW,"), kEnd2));
    name(c.Option1, ofEnd(QStringLiteral("Power in dBm,"), kEnd1));
    name(c.Option2, ofEnd(QStringLiteral("Power in mW,"), kEnd1));
    name(c.Option4, ofEnd(QStringLiteral("Power in dBm,"), kEnd2));
    name(c.Option3, ofEnd(QStringLiteral("Power in mW,"), kEnd2));
    name(c.lblUnitOfPower, ofEnd(QStringLiteral("Power unit,"), kEnd1));
    name(c.lblUnitOfPower_2, ofEnd(QStringLiteral("Power unit,"), kEnd2));

    name(c.lblBlink1, QStringLiteral("Interface 1 EIRP: ") + c.lblBlink1->text());
    name(c.lblBlink2, QStringLiteral("Interface 2 EIRP: ") + c.lblBlink2->text());

    name(c.lbltitle, QStringLiteral("Move window"));
    name(c.lblMinimize, QStringLiteral("Minimize"));
    name(c.lblexit, QStringLiteral("Exit"));
}

} // namespace tarvanel
