#include "widgets/control_factory.h"

#include "widgets/choice_box.h"
#include "widgets/click_area.h"
#include "widgets/fold_button.h"
#include "widgets/result_label.h"
#include "widgets/text_field.h"
#include "widgets/title_strip.h"
#include "widgets/underline_line.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tarvanel {

namespace {

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

QWidget* makeWidget(const ControlRow& row, QWidget* parent, const QString& name) {
    switch (row.kind) {
    case Kind::TextBox: {
        auto* box = input(new TextField(parent));
        box->setText(textOf(row));
        return box;
    }
    case Kind::ChannelBox: {
        auto* combo = input(new QComboBox(parent));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case Kind::CableList: {
        auto* list = new QListWidget(parent);
        QFont font = parent->font();
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
        auto* result =
            new ResultLabel(name, textOf(row), parent, QString::fromUtf8(row.unit ? row.unit : ""));
        // A right-aligned result ends against the unit drawn after it.
        result->setAlignment((row.alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        return result;
    }
    case Kind::Warning: {
        auto* warning = new QLabel(textOf(row), parent);
        // Shown from the top left, like the drawn captions beside it.
        warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    case Kind::ChoiceBox: {
        auto* choice = input(new ChoiceBox(parent));
        if (*row.text) choice->addItems(textOf(row).split(QLatin1Char('\n')));
        return choice;
    }
    case Kind::CheckBox:
        return new QCheckBox(textOf(row), parent);
    case Kind::Panel:
    case Kind::SideView:
    case Kind::Pages:
    case Kind::ProfileTable:
    case Kind::RateTable:
        break;
    }
    return nullptr;
}

} // namespace

QWidget* createControl(const ControlRow& row, QWidget* parent, const QString& name) {
    QWidget* widget = makeWidget(row, parent, name);
    if (!widget) return nullptr;
    widget->setObjectName(QLatin1String(row.name));
    if (row.kind != Kind::Underline) widget->setGeometry(twipsRect(row.box));
    if (row.fontPixels != 0) widget->setFont(windowFont(row.fontPixels, row.bold, row.condensed));
    if (row.colour == TextColour::Green) setTextColour(widget, kResultGreen);
    if (row.toolTip) widget->setToolTip(QString::fromUtf8(row.toolTip));
    // A result label names itself from its caption and text: a fixed name
    // would silence the announcement of its changes.
    if (row.kind != Kind::ResultLabel && !name.isEmpty()) widget->setAccessibleName(name);
    if (row.toolTip)
        widget->setAccessibleDescription(QString::fromUtf8(row.toolTip));
    else if (row.unit && row.kind == Kind::TextBox)
        widget->setAccessibleDescription(QString::fromUtf8(row.unit));
    return widget;
}

} // namespace tarvanel
