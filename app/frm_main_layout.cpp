// Creates the window's controls from the window table: their kinds, places,
// texts, fonts and colours. Siblings stack in creation order, which is the
// table's order, back to front.

#include "app/frm_main.h"
#include "app/title_strip.h"
#include "app/window_table.h"
#include "widgets/click_area.h"
#include "widgets/result_label.h"
#include "widgets/underline_line.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

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

constexpr int kResultsIntervalMs = 200;
// The list is narrow: the condensed cut at 10 px shows every cable's whole name.
constexpr int kCableListFontPixels = 10;

QString textOf(const ControlRow& row) {
    return QString::fromUtf8(row.text);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Text boxes: white background, black text.
template <typename W> W* input(W* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    widget->setPalette(palette);
    return widget;
}

// Labels show their text from the top left, like the drawn captions beside them.
QLabel* label(QLabel* widget) {
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

QLineEdit* textBox(const ControlRow& row, QWidget* parent) {
    auto* box = input(new QLineEdit(parent));
    box->setText(textOf(row));
    return box;
}

ResultLabel* resultLabel(const ControlRow& row, QWidget* parent) {
    auto* result = new ResultLabel(accessibleNameOf(row), textOf(row), parent,
                                   QString::fromUtf8(row.unit ? row.unit : ""));
    label(result);
    return result;
}

QWidget* createWidget(const ControlRow& row, QWidget* window, QWidget* parent) {
    if (isTextBox(row.role)) return textBox(row, parent);
    switch (row.role) {
    case Role::Channel: {
        auto* combo = input(new QComboBox(parent));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case Role::CableList: {
        auto* list = new QListWidget(parent);
        QFont font = window->font();
        font.setPixelSize(kCableListFontPixels);
        font.setStretch(QFont::Condensed);
        list->setFont(font);
        list->hide();
        return list;
    }
    case Role::ChooseCable: {
        auto* button = new QPushButton(textOf(row), parent);
        button->setAutoDefault(false);
        return button;
    }
    case Role::Distance:
    case Role::FreeSpaceLoss:
    case Role::FresnelRadius:
    case Role::Eirp:
    case Role::LegalPower:
    case Role::ReceivedLevel:
    case Role::ReceiveMargin:
    case Role::Clearance:
        return resultLabel(row, parent);
    case Role::CableLoss: {
        // Right-aligned against the unit drawn after it.
        ResultLabel* result = resultLabel(row, parent);
        result->setAlignment(Qt::AlignRight | Qt::AlignTop);
        return result;
    }
    case Role::Warning: {
        QLabel* warning = label(new QLabel(textOf(row), parent));
        warning->hide();
        return warning;
    }
    case Role::UnitLabel:
        return new QLabel(textOf(row), parent);
    case Role::TitleStrip:
        return new TitleStrip(parent);
    case Role::Minimize:
    case Role::Exit:
    case Role::DbmPicture:
    case Role::MwPicture:
        return new ClickArea(textOf(row), parent);
    case Role::Underline:
        return new UnderlineLine(static_cast<float>(row.box.left),
                                 static_cast<float>(row.box.right()),
                                 static_cast<float>(row.box.top), parent);
    case Role::Frame:
        return new QGroupBox(textOf(row), parent);
    case Role::DbmOption:
    case Role::MwOption:
        return new QRadioButton(textOf(row), parent);
    default:
        return nullptr;
    }
}

template <typename T> void keep(T*& slot, QWidget* widget) {
    slot = static_cast<T*>(widget);
}

// Where FrmMain::Controls keeps the control of a link end's role.
void keepInEnd(LinkEndControls& end, Role role, QWidget* w) {
    switch (role) {
    case Role::Power:
        return keep(end.power, w);
    case Role::Gain:
        return keep(end.gain, w);
    case Role::LossPerMetre:
        return keep(end.lossPerMetre, w);
    case Role::Length:
        return keep(end.length, w);
    case Role::Connectors:
        return keep(end.connectors, w);
    case Role::ChooseCable:
        return keep(end.chooseCable, w);
    case Role::CableLoss:
        return keep(end.cableLoss, w);
    case Role::Eirp:
        return keep(end.eirp, w);
    case Role::Warning:
        return keep(end.warning, w);
    case Role::DbmPicture:
        return keep(end.dbmPicture, w);
    case Role::MwPicture:
        return keep(end.mwPicture, w);
    case Role::Underline:
        return keep(end.underline, w);
    case Role::Frame:
        return keep(end.frame, w);
    case Role::DbmOption:
        return keep(end.dbmOption, w);
    case Role::MwOption:
        return keep(end.mwOption, w);
    case Role::UnitLabel:
        return keep(end.unitLabel, w);
    case Role::LegalPower:
        return keep(end.legalPower, w);
    default:
        return;
    }
}

void keepInWindow(FrmMain::Controls& c, Role role, QWidget* w) {
    switch (role) {
    case Role::Frequency:
        return keep(c.txtFrequency, w);
    case Role::Channel:
        return keep(c.Combo1, w);
    case Role::Sensitivity:
        return keep(c.Text11, w);
    case Role::Margin:
        return keep(c.Text12, w);
    case Role::CableList:
        return keep(c.List1, w);
    case Role::Distance:
        return keep(c.lblDistance, w);
    case Role::FreeSpaceLoss:
        return keep(c.lblFSL, w);
    case Role::FresnelRadius:
        return keep(c.lblFrensel, w);
    case Role::TitleStrip:
        return keep(c.lbltitle, w);
    case Role::Minimize:
        return keep(c.lblMinimize, w);
    case Role::Exit:
        return keep(c.lblexit, w);
    case Role::LinkDistance:
        return keep(c.txtLinkDistance, w);
    case Role::ReceivedLevel:
        return keep(c.lblReceived, w);
    case Role::ReceiveMargin:
        return keep(c.lblMargin, w);
    case Role::Clearance:
        return keep(c.lblClearance, w);
    default:
        return;
    }
}

bool insideFrame(Role role) {
    return role == Role::DbmOption || role == Role::MwOption || role == Role::UnitLabel;
}

QTimer* timer(QObject* parent, const char* name, int intervalMs) {
    auto* t = new QTimer(parent);
    t->setObjectName(QLatin1String(name));
    t->setInterval(intervalMs);
    return t;
}

} // namespace

void FrmMain::createControls() {
    for (const ControlRow& row : windowTable()) {
        LinkEndControls* end = row.end == LinkEnd::One   ? &m_c.end1
                               : row.end == LinkEnd::Two ? &m_c.end2
                                                         : nullptr;
        QWidget* parent = end && insideFrame(row.role) ? static_cast<QWidget*>(end->frame) : this;
        QWidget* widget = createWidget(row, this, parent);
        widget->setObjectName(QLatin1String(row.name));
        if (row.role != Role::Underline) widget->setGeometry(twipsRect(row.box));
        if (row.fontPixels != 0)
            widget->setFont(windowFont(row.fontPixels, row.bold, row.condensed));
        if (row.colour == TextColour::Green) setTextColour(widget, kResultGreen);
        if (row.toolTip) widget->setToolTip(QString::fromUtf8(row.toolTip));
        if (end)
            keepInEnd(*end, row.role, widget);
        else
            keepInWindow(m_c, row.role, widget);
    }
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2})
        end->dbmOption->setChecked(true);

    m_c.Timer1 = timer(this, "Timer1", kResultsIntervalMs);
}

} // namespace tarvanel
