#include "cable_loss_labels.h"

#include "cable_loss_rules.h"

#include <QLabel>
#include <QLineEdit>

#include <string>

namespace tarvanel {

CableLossLabels::CableLossLabels(const CableLossControls& end1, const CableLossControls& end2,
                                 LocaleSource locale, QObject* parent)
    : QObject(parent)
    , m_end1(end1)
    , m_end2(end2)
    , m_locale(std::move(locale)) {
    connect(end1.lossPerMetre, &QLineEdit::textChanged, this, &CableLossLabels::Text4_Change);
    connect(end1.length, &QLineEdit::textChanged, this, &CableLossLabels::Text5_Change);
    connect(end1.connectors, &QLineEdit::textChanged, this, &CableLossLabels::Text6_Change);
    connect(end2.lossPerMetre, &QLineEdit::textChanged, this, &CableLossLabels::Text8_Change);
    connect(end2.length, &QLineEdit::textChanged, this, &CableLossLabels::Text7_Change);
    connect(end2.connectors, &QLineEdit::textChanged, this, &CableLossLabels::Text1_Change);
}

void CableLossLabels::Text4_Change() {
    showCableLoss(m_end1);
}
void CableLossLabels::Text5_Change() {
    showCableLoss(m_end1);
}
void CableLossLabels::Text6_Change() {
    showCableLoss(m_end1);
}
void CableLossLabels::Text8_Change() {
    showCableLoss(m_end2);
}
void CableLossLabels::Text7_Change() {
    showCableLoss(m_end2);
}
void CableLossLabels::Text1_Change() {
    showCableLoss(m_end2);
}

void CableLossLabels::showCableLoss(const CableLossControls& end) {
    const std::string lossPerMetre = end.lossPerMetre->text().toStdString();
    const std::string length = end.length->text().toStdString();
    const std::string connectors = end.connectors->text().toStdString();
    LinkEndFields fields;
    fields.lossPerMetre = lossPerMetre;
    fields.length = length;
    fields.connectors = connectors;
    end.label->setText(QString::fromStdString(cableLossText(fields, m_locale())));
}

} // namespace tarvanel
