#include "inputs/cable_chooser.h"

#include "cables/cable_catalogue.h"
#include "texts/band_texts.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tarvanel {

namespace {

const QString kClosedCaption = QStringLiteral("...");
const QString kOpenCaption = QStringLiteral("OK");
const QString kOpensList = QStringLiteral("Άνοιγμα λίστας καλωδίων, ");
const QString kWritesCable =
    QStringLiteral("Εγγραφή του επιλεγμένου καλωδίου και κλείσιμο της λίστας, ");

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void fill_list(QListWidget* list) {
    for (const CableType& cable : kCableCatalogue)
        list->addItem(fromView(cable.displayText));
}

CableChooser::CableChooser(QListWidget* List1, const CableChooserEnd& end1,
                           const CableChooserEnd& end2, std::function<NumberLocale()> locale,
                           std::function<std::optional<double>()> scaleTo, QObject* parent)
    : QObject(parent)
    , m_list(List1)
    , m_end1(end1)
    , m_end2(end2)
    , m_locale(std::move(locale))
    , m_scaleTo(std::move(scaleTo)) {
    connect(end1.button, &QPushButton::clicked, this, &CableChooser::cmdChoose_Click);
    connect(end2.button, &QPushButton::clicked, this, &CableChooser::cmdchoose2_Click);
    nameButtons(false);
}

void CableChooser::nameButtons(bool listOpen) {
    for (const CableChooserEnd* end : {&m_end1, &m_end2})
        end->button->setAccessibleName((listOpen ? kWritesCable : kOpensList) + end->endName);
}

void CableChooser::cmdChoose_Click() {
    choose(m_end1);
}
void CableChooser::cmdchoose2_Click() {
    choose(m_end2);
}

void CableChooser::choose(const CableChooserEnd& end) {
    QListWidget* list = m_list;
    QPushButton* button = end.button;
    list->move(list->x(), button->y());

    if (list->isHidden()) {
        if (list->count() == 0) fill_list(list);
        const QString scaled = QString::fromStdString(scaledCatalogueTip(m_scaleTo()));
        list->setToolTip(scaled);
        list->setAccessibleDescription(scaled);
        button->setText(kOpenCaption);
        list->raise();
        list->show();
        nameButtons(true);
        return;
    }

    // Closing without a selected cable leaves the field as it is.
    // The list holds the catalogue in its order: the selected row is the cable.
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        const float lossPer100m = list_selection(selected.first().row());
        end.lossField->setText(
            QString::fromStdString(lossPerMetreText(lossPer100m, m_locale(), m_scaleTo())));
    }
    m_end1.button->setText(kClosedCaption);
    m_end2.button->setText(kClosedCaption);
    list->hide();
    nameButtons(false);
}

} // namespace tarvanel
