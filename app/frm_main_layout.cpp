// Creates the window's controls with their places, texts, fonts and colours.
// Siblings stack in creation order, so the controls are made from the back to
// the front: first everything painted on the window's surface (labels,
// pictures, lines), then the input controls, which always lie above them.

#include "chrome_label.h"
#include "frm_main.h"
#include "result_label.h"
#include "twips.h"
#include "underline_line.h"
#include "unit_picture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace tarvanel {

namespace {

const QColor kResultGreen(0, 128, 0);
const QString kWarningText = QStringLiteral("Εκτός νόμιμων ορίων"); // outside the legal limits

template <typename W> W* place(W* widget, const char* name, const QRect& rect) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(rect);
    return widget;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Labels show their caption from the top left, like the drawn captions beside them.
template <typename L> L* styleLabel(L* label, int fontPixels, const QColor& colour = {}) {
    label->setFont(windowFont(fontPixels, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (colour.isValid()) setTextColour(label, colour);
    return label;
}

// Text boxes: white background, black text.
void styleInput(QWidget* input, int fontPixels) {
    input->setFont(windowFont(fontPixels));
    QPalette palette = input->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    input->setPalette(palette);
}

QLineEdit* textBox(QWidget* parent, const char* name, const QRect& rect,
                   int fontPixels = kFont8_25pt) {
    auto* box = place(new QLineEdit(parent), name, rect);
    styleInput(box, fontPixels);
    return box;
}

QRadioButton* optionButton(QGroupBox* frame, const char* name, const QRect& rect,
                           const QString& text) {
    auto* option = place(new QRadioButton(text, frame), name, rect);
    option->setFont(windowFont(kFont9_75pt, true));
    return option;
}

QLabel* unitOfPowerLabel(QGroupBox* frame, const char* name) {
    auto* label =
        place(new QLabel(QStringLiteral("dBm"), frame), name, twipsRect(2880, 360, 975, 255));
    label->setFont(windowFont(kFont9_75pt, true));
    return label;
}

QGroupBox* frame(QWidget* parent, const char* name, const QRect& rect, const QString& title) {
    auto* box = place(new QGroupBox(title, parent), name, rect);
    box->setFont(windowFont(kFont8_25pt));
    return box;
}

UnitPicture* unitPicture(QWidget* parent, const char* name, const QRect& rect,
                         const QString& word) {
    auto* picture = place(new UnitPicture(word, parent), name, rect);
    picture->setFont(windowFont(kFont8_25pt));
    return picture;
}

QTimer* timer(QObject* parent, const char* name, int intervalMs) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(intervalMs);
    return t;
}

} // namespace

void FrmMain::createControls() {
    auto& c = m_c;

    // Painted on the window's surface, back to front.
    c.lblEIRP2 =
        place(new ResultLabel(QStringLiteral("Interface 2 EIRP"), QStringLiteral("0"), this),
              "lblEIRP2", twipsRect(7080, 1770, 1095, 375));
    styleLabel(c.lblEIRP2, kFont9pt, kResultGreen);
    // Reaches past the window's right edge.
    c.lblEIRP1 =
        place(new ResultLabel(QStringLiteral("Interface 1 EIRP"), QStringLiteral("0"), this),
              "lblEIRP1", twipsRect(7080, 1260, 3495, 375));
    styleLabel(c.lblEIRP1, kFont9pt, kResultGreen);
    c.lblBlink1 =
        place(new QLabel(kWarningText, this), "lblBlink1", twipsRect(5280, 1440, 2295, 375));
    styleLabel(c.lblBlink1, kFont9pt)->hide();
    c.lblBlink2 =
        place(new QLabel(kWarningText, this), "lblBlink2", twipsRect(5280, 2040, 2295, 375));
    styleLabel(c.lblBlink2, kFont9pt)->hide();
    c.lblDistance =
        place(new ResultLabel(QStringLiteral("Μέγιστη απόσταση"), QStringLiteral("0"), this),
              "lblDistance", twipsRect(7080, 2370, 1215, 255));
    styleLabel(c.lblDistance, kFont9pt, kResultGreen);
    c.lblFSL = place(new ResultLabel(QStringLiteral("Free Space Loss"), QStringLiteral("0"), this),
                     "lblFSL", twipsRect(7080, 2640, 1455, 375));
    styleLabel(c.lblFSL, kFont9_75pt, kResultGreen);
    c.lblFrensel =
        place(new ResultLabel(QStringLiteral("Fresnel Zone Radius"), QStringLiteral("0"), this),
              "lblFrensel", twipsRect(7080, 2940, 1095, 375));
    styleLabel(c.lblFrensel, kFont9pt, kResultGreen);
    // The unit "dB" of the cable losses is drawn in the picture just after each
    // label's right edge, so the numbers are right-aligned against it.
    c.lblCableLoss =
        place(new ResultLabel(QStringLiteral("Συνολικές απώλειες καλωδίου Interface No.1"),
                              QStringLiteral("0"), this, QStringLiteral("dB")),
              "lblCableLoss", twipsRect(3960, 2200, 735, 255));
    styleLabel(c.lblCableLoss, kFont8_25pt);
    c.lblCableLoss->setAlignment(Qt::AlignRight | Qt::AlignTop);
    c.lblCableLoss2 =
        place(new ResultLabel(QStringLiteral("Συνολικές απώλειες καλωδίου Interface No.2"),
                              QStringLiteral("0"), this, QStringLiteral("dB")),
              "lblCableLoss2", twipsRect(3960, 4160, 975, 375));
    styleLabel(c.lblCableLoss2, kFont8_25pt);
    c.lblCableLoss2->setAlignment(Qt::AlignRight | Qt::AlignTop);

    c.lbltitle = place(new ChromeLabel(this), "lbltitle", twipsRect(30, 30, 7455, 255));
    c.lblexit = place(new ChromeLabel(this), "lblexit", twipsRect(7950, 45, 225, 210));
    c.lblexit->setToolTip(QStringLiteral("Exit"));
    c.lblMinimize = place(new ChromeLabel(this), "lblMinimize", twipsRect(7710, 40, 225, 210));
    c.lblMinimize->setToolTip(QStringLiteral("Minimize"));

    c.Imgdbm = unitPicture(this, "Imgdbm", twipsRect(2955, 1320, 420, 150), QStringLiteral("dBm"));
    c.imgMw = unitPicture(this, "imgMw", twipsRect(3720, 1320, 420, 150), QStringLiteral("mW"));
    c.lnUnderline1 = new UnderlineLine(2920, 3380, 1500, this);
    c.lnUnderline1->setObjectName(QStringLiteral("lnUnderline1"));
    c.ImgDbm2 =
        unitPicture(this, "ImgDbm2", twipsRect(2955, 3300, 420, 150), QStringLiteral("dBm"));
    c.ImgMw2 = unitPicture(this, "ImgMw2", twipsRect(3720, 3300, 420, 150), QStringLiteral("mW"));
    c.lnUnderline2 = new UnderlineLine(2920, 3380, 3480, this);
    c.lnUnderline2->setObjectName(QStringLiteral("lnUnderline2"));

    // Input controls, back to front.
    c.txtFrequency = textBox(this, "txtFrequency", twipsRect(1200, 510, 615, 285), kFont9pt);
    c.txtFrequency->setText(QStringLiteral("0"));

    // The two frames lie below the client area: never seen, but they keep the
    // power unit option buttons and unit words of the link ends.
    c.Frame1 =
        frame(this, "Frame1", twipsRect(6240, 6960, 6015, 2895), QStringLiteral("Interface No.1"));
    c.lblUnitOfPower = unitOfPowerLabel(c.Frame1, "lblUnitOfPower");
    c.Option1 =
        optionButton(c.Frame1, "Option1", twipsRect(3840, 360, 975, 255), QStringLiteral("dBm"));
    c.Option2 = optionButton(c.Frame1, "Option2", twipsRect(4800, 360, 1095, 255),
                             QStringLiteral("mWatts"));
    c.Option1->setChecked(true);

    c.Combo1 = place(new QComboBox(this), "Combo1", twipsRect(3720, 510, 615, 315));
    c.Combo1->setEditable(true);
    c.Combo1->setInsertPolicy(QComboBox::NoInsert);
    styleInput(c.Combo1, kFont8_25pt);

    c.Frame2 =
        frame(this, "Frame2", twipsRect(120, 6840, 6015, 2175), QStringLiteral("Interface No.2"));
    c.lblUnitOfPower_2 = unitOfPowerLabel(c.Frame2, "lblUnitOfPower_2");
    c.Option3 = optionButton(c.Frame2, "Option3", twipsRect(4800, 360, 1095, 255),
                             QStringLiteral("mWatts"));
    c.Option4 =
        optionButton(c.Frame2, "Option4", twipsRect(3840, 360, 975, 255), QStringLiteral("dBm"));
    c.Option4->setChecked(true);

    c.Text2 = textBox(this, "Text2", twipsRect(2250, 1250, 650, 280));
    c.Text3 = textBox(this, "Text3", twipsRect(2250, 1560, 650, 280));
    c.Text4 = textBox(this, "Text4", twipsRect(2250, 1870, 650, 280));
    c.Text5 = textBox(this, "Text5", twipsRect(2250, 2180, 650, 280));
    c.Text6 = textBox(this, "Text6", twipsRect(2250, 2470, 650, 280));
    c.Text12 = textBox(this, "Text12", twipsRect(2250, 5085, 650, 280));
    c.Text11 = textBox(this, "Text11", twipsRect(2250, 4780, 650, 280));
    c.Text1 = textBox(this, "Text1", twipsRect(2250, 4440, 650, 280));
    c.Text7 = textBox(this, "Text7", twipsRect(2250, 4140, 650, 280));
    c.Text8 = textBox(this, "Text8", twipsRect(2250, 3830, 650, 280));
    c.Text9 = textBox(this, "Text9", twipsRect(2250, 3520, 650, 280));
    c.Text10 = textBox(this, "Text10", twipsRect(2250, 3210, 650, 280));

    c.cmdChoose = place(new QPushButton(QStringLiteral("..."), this), "cmdChoose",
                        twipsRect(1820, 1890, 375, 255));
    c.cmdchoose2 = place(new QPushButton(QStringLiteral("..."), this), "cmdchoose2",
                         twipsRect(1820, 3848, 375, 255));
    for (QPushButton* button : {c.cmdChoose, c.cmdchoose2}) {
        button->setAutoDefault(false);
        button->setFont(windowFont(kFont8_25pt));
    }

    // The cable chooser's list, above every text box it covers when shown.
    c.List1 = place(new QListWidget(this), "List1", twipsRect(2160, 2640, 2295, 1005));
    // The list is narrow: the condensed cut at 10 px shows every cable's whole name.
    QFont listFont = windowFont(kFont8_25pt);
    listFont.setPixelSize(10);
    listFont.setStretch(QFont::Condensed);
    c.List1->setFont(listFont);
    c.List1->hide();

    c.Timer2 = timer(this, "Timer2", 600);
    c.Timer1 = timer(this, "Timer1", 200);
}

} // namespace tarvanel
