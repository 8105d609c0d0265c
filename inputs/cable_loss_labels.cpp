#include "inputs/cable_loss_labels.h"

#include "rules/cable_loss_rules.h"

#include <QLabel>

namespace tarvanel {

CableLossLabels::CableLossLabels(const LinkEndControls& end1, const LinkEndControls& end2,
                                 LocaleSource locale)
    : m_end1(end1)
    , m_end2(end2)
    , m_locale(std::move(locale)) {}

void CableLossLabels::show(const LinkInputs& inputs) {
    const NumberLocale locale = m_locale();
    for (const auto& [label, fields] : {std::pair{m_end1.cableLoss, &inputs.link.end1},
                                        std::pair{m_end2.cableLoss, &inputs.link.end2}}) {
        // QLabel writes nothing when the text stays.
        label->setText(QString::fromStdString(cableLossText(*fields, locale)));
    }
}

} // namespace tarvanel
