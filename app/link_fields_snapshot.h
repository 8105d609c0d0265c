#pragma once

#include "link_budget.h"

#include <array>
#include <string>

class QLineEdit;

namespace tarvanel {

class UnderlineLine;

// The controls one link end's inputs are read from.
struct LinkEndSources {
    const QLineEdit* power = nullptr;
    const UnderlineLine* underline = nullptr; // its x1 tells the power unit
    const QLineEdit* gain = nullptr;
    const QLineEdit* lossPerMetre = nullptr;
    const QLineEdit* length = nullptr;
    const QLineEdit* connectors = nullptr;
};

// The controls every input of the link is read from.
struct LinkSources {
    LinkEndSources end1;
    LinkEndSources end2;
    const QLineEdit* frequency = nullptr;
    const QLineEdit* sensitivity = nullptr;
    const QLineEdit* margin = nullptr;
};

// The texts of the input fields at one moment, as UTF-8, with the engine's view
// of them. The view points into this object, so it cannot be copied.
class LinkFieldsSnapshot {
public:
    explicit LinkFieldsSnapshot(const LinkSources& sources);
    LinkFieldsSnapshot(const LinkFieldsSnapshot&) = delete;
    LinkFieldsSnapshot& operator=(const LinkFieldsSnapshot&) = delete;

    const LinkFields& fields() const { return m_fields; }

private:
    std::array<std::string, 13> m_texts;
    LinkFields m_fields;
};

} // namespace tarvanel
