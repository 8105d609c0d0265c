#include "inputs/cable_loss_labels.h"

#include "rules/cable_loss_rules.h"

#include <QLabel>
#include <QLineEdit>

#include <string>

namespace tarvanel {

CableLossLabels::CableLossLabels(const LinkEndControls& end1, const LinkEndControls& end2,
                                 LocaleSource locale, QObject* parent)
    : QObject(parent)
    , m_end1(end1)
    , m_end2(end2)
    , m_locale(std::move(locale)) {
    connectEnd(end1, &CableLossLabels::Text4_Change, &CableLossLabels::Text5_Change,
               &CableLossLabels::Text6_Change);
    connectEnd(end2, &CableLossLabels::Text8_Change, &CableLossLabels::Text7_Change,
               &CableLossLabels::Text1_Change);
}

void CableLossLabels::connectEnd(const LinkEndControls& end, Handler lossPerMetre, Handler length,
                                 Handler connectors) {
    connect(end.lossPerMetre, &QLineEdit::textChanged, this, lossPerMetre);
    connect(end.length, &QLineEdit::textChanged, this, length);
    connect(end.connectors, &QLineEdit::textChanged, this, connectors);
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

void CableLossLabels::showCableLoss(const LinkEndControls& end) {
    LinkEndFields fields;
    fields.lossPerMetre = end.lossPerMetre->text().toStdString();
    fields.length = end.length->text().toStdString();
    fields.connectors = end.connectors->text().toStdString();
    end.cableLoss->setText(QString::fromStdString(cableLossText(fields, m_locale())));
}

} // namespace tarvanel
