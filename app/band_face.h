#pragma once

#include "app/window_controls.h"

#include <QString>

namespace tarvanel {

struct LinkInputs;
struct LinkTexts;

// What the window's face says of the link's band, which the drawn picture
// cannot: the indoors-only notice beside the warnings, and the tooltips that
// name the band or its limit (the cable-loss fields', the warnings'), and a
// channel box wide enough for the band's channels. Under the 2.4 GHz band the
// face is the window's table as built.
class BandFace {
public:
    explicit BandFace(const WindowControls& controls);

    // After every refresh.
    void show(const LinkTexts& texts, const LinkInputs& inputs);

private:
    const WindowControls& m_c;
    int m_channelWidth;  // the channel box's, as the window's table has it
    int m_widestChannel; // the 2.4 GHz band's widest channel, pixels
    QString m_lossTip;
    QString m_warningTip;
};

} // namespace tarvanel
