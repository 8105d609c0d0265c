// Creates the window's controls from the window table: their kinds, places,
// texts, fonts and colours. Siblings stack in creation order, which is the
// table's order, back to front.

#include "app/frm_main.h"
#include "app/path_panel.h"
#include "app/path_side_view.h"
#include "app/title_strip.h"
#include "app/window_table.h"
#include "widgets/click_area.h"
#include "widgets/fold_button.h"
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

QWidget* createWidget(const ControlRow& row, QWidget* window, QWidget* parent) {
    switch (row.kind) {
    case Kind::TextBox:
        return textBox(row, parent);
    case Kind::ChannelBox: {
        auto* combo = input(new QComboBox(parent));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case Kind::CableList: {
        auto* list = new QListWidget(parent);
        QFont font = window->font();
        font.setPixelSize(kCableListFontPixels);
        font.setStretch(QFont::Condensed);
        list->setFont(font);
        list->hide();
        return list;
    }
    case Kind::ChooseButton: {
        auto* button = new QPushButton(textOf(row), parent);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::ResultLabel: {
        auto* result = new ResultLabel(accessibleNameOf(row), textOf(row), parent,
                                       QString::fromUtf8(row.unit ? row.unit : ""));
        // A right-aligned result ends against the unit drawn after it.
        result->setAlignment((row.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        return result;
    }
    case Kind::Warning: {
        QLabel* warning = label(new QLabel(textOf(row), parent));
        warning->hide();
        return warning;
    }
    case Kind::UnitLabel:
        return new QLabel(textOf(row), parent);
    case Kind::TitleStrip:
        return new TitleStrip(parent);
    case Kind::ClickArea:
        return new ClickArea(textOf(row), parent);
    case Kind::Underline:
        return new UnderlineLine(static_cast<float>(row.box.left),
                                 static_cast<float>(row.box.right()),
                                 static_cast<float>(row.box.top), parent);
    case Kind::Frame:
        return new QGroupBox(textOf(row), parent);
    case Kind::UnitOption:
        return new QRadioButton(textOf(row), parent);
    case Kind::FoldButton:
        return new FoldButton(textOf(row), parent);
    case Kind::Panel: {
        auto* panel = new PathPanel(parent);
        panel->hide();
        return panel;
    }
    case Kind::ChoiceBox: {
        auto* choice = input(new QComboBox(parent));
        choice->addItems(textOf(row).split(QLatin1Char('\n')));
        return choice;
    }
    case Kind::SideView:
        return new PathSideView(parent);
    }
    return nullptr;
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
        const LinkEndControls& end = row.end == LinkEnd::Two ? m_c.end2 : m_c.end1;
        QWidget* parent = this;
        if (row.container == Container::EndFrame) parent = end.frame;
        if (row.container == Container::PathPanel) parent = m_c.pnlPath;
        QWidget* widget = createWidget(row, this, parent);
        widget->setObjectName(QLatin1String(row.name));
        if (row.kind != Kind::Underline) widget->setGeometry(twipsRect(row.box));
        if (row.fontPixels != 0)
            widget->setFont(windowFont(row.fontPixels, row.bold, row.condensed));
        if (row.colour == TextColour::Green) setTextColour(widget, kResultGreen);
        if (row.toolTip) widget->setToolTip(QString::fromUtf8(row.toolTip));
        if (row.keep) row.keep(m_c, row.end, widget);
        if (row.shows) m_refreshed.push_back({&row, static_cast<QLabel*>(widget)});
        if (row.feeds) m_pathInputs.push_back({&row, static_cast<QLineEdit*>(widget)});
    }
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2})
        end->dbmOption->setChecked(true);

    m_c.Timer1 = timer(this, "Timer1", kResultsIntervalMs);
}

} // namespace tarvanel
