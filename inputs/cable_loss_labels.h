#pragma once

#include "engine/link_inputs.h"
#include "inputs/link_end_controls.h"
#include "inputs/locale_source.h"

namespace tarvanel {

// Each link end's cable loss, shown in the end's label as soon as one of its
// three cable fields changes in the plan, typed or written from code.
class CableLossLabels {
public:
    CableLossLabels(const LinkEndControls& end1, const LinkEndControls& end2, LocaleSource locale);

    // Writes both labels from the link's texts.
    void show(const LinkInputs& inputs);

private:
    LinkEndControls m_end1;
    LinkEndControls m_end2;
    LocaleSource m_locale;
};

} // namespace tarvanel
