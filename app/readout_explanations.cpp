#include "app/readout_explanations.h"

#include "engine/radio_physics.h"
#include "texts/link_texts.h"

namespace tarvanel {

namespace {

QString limitingDirection(LimitingDirection limiting) {
    switch (limiting) {
    case LimitingDirection::End1ToEnd2:
        return QStringLiteral("Περιορίζει η κατεύθυνση 1 → 2.");
    case LimitingDirection::End2ToEnd1:
        return QStringLiteral("Περιορίζει η κατεύθυνση 2 → 1.");
    case LimitingDirection::Neither:
        return QStringLiteral("Οι δύο κατευθύνσεις φτάνουν το ίδιο.");
    case LimitingDirection::Unknown:
        break;
    }
    return {};
}

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

ReadoutExplanations readoutExplanations(const LinkTexts& texts, const QLocale& locale) {
    const InstallerReadoutTexts& readouts = texts.readouts;
    ReadoutExplanations explanations;
    if (!readouts.clearance.empty())
        explanations.clearance =
            QStringLiteral("%1 × Fresnel %2 (Fresnel %3) + καμπυλότητα γης %4 (k = %5)")
                .arg(locale.toString(kClearFresnelPart), q(readouts.fresnelPart),
                     q(readouts.fresnelRadius), q(readouts.earthBulge),
                     QString::fromUtf8(texts.earthFactor));
    // The other direction: link end 2 transmitting to link end 1.
    if (!readouts.reverseDistance.empty())
        explanations.distance = QStringLiteral("Αντίστροφα (Interface 2 → Interface 1): ") +
                                q(readouts.reverseDistance) + QStringLiteral(". ") +
                                limitingDirection(readouts.limiting);
    return explanations;
}

} // namespace tarvanel
