#include "cable_chooser.h"

#include "cable_catalogue.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tarvanel {

namespace {

// The list's top at each end is level with that end's button, in twips.
constexpr int kListTopEnd1 = 1890;
constexpr int kListTopEnd2 = 3848;
constexpr double kTwipsPerPixel = 15.0;

const QString kClosedCaption = QStringLiteral("...");
const QString kOpenCaption = QStringLiteral("OK");

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void fill_list(QListWidget* list) {
    for (const CableType& cable : kCableCatalogue)
        list->addItem(fromView(cable.displayText));
}

CableChooser::CableChooser(const CableChooserControls& controls,
                           std::function<NumberLocale()> locale, QObject* parent)
    : QObject(parent)
    , m_c(controls)
    , m_locale(std::move(locale)) {
    connect(m_c.cmdChoose, &QPushButton::clicked, this, &CableChooser::cmdChoose_Click);
    connect(m_c.cmdchoose2, &QPushButton::clicked, this, &CableChooser::cmdchoose2_Click);
}

void CableChooser::cmdChoose_Click() {
    choose(m_c.cmdChoose, kListTopEnd1, m_c.Text4);
}
void CableChooser::cmdchoose2_Click() {
    choose(m_c.cmdchoose2, kListTopEnd2, m_c.Text8);
}

void CableChooser::choose(QPushButton* button, int topTwips, QLineEdit* lossField) {
    QListWidget* list = m_c.List1;
    list->move(list->x(), qRound(topTwips / kTwipsPerPixel));

    if (list->isHidden()) {
        if (list->count() == 0) fill_list(list);
        button->setText(kOpenCaption);
        list->raise();
        list->show();
        return;
    }

    // Closing without a selected cable leaves the field as it is.
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (!selected.isEmpty()) {
        const float lossPer100m = list_selection(selected.first()->text().toStdString());
        lossField->setText(QString::fromStdString(lossPerMetreText(lossPer100m, m_locale())));
    }
    m_c.cmdChoose->setText(kClosedCaption);
    m_c.cmdchoose2->setText(kClosedCaption);
    list->hide();
}

} // namespace tarvanel
