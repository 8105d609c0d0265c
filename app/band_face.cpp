#include "app/band_face.h"

#include "app/window_table.h"
#include "engine/link_inputs.h"
#include "inputs/link_end_controls.h"
#include "rules/channel_rules.h"
#include "texts/link_texts.h"
#include "widgets/explained.h"
#include "widgets/twips.h"
#include "widgets/window_colours.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace tarvanel {

namespace {

int widestText(const QFontMetrics& metrics, const std::vector<std::string>& texts) {
    int widest = 0;
    for (const std::string& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(text)));
    return widest;
}

} // namespace

BandFace::BandFace(const WindowControls& controls)
    : m_c(controls)
    , m_channelWidth(twipsRect(rowOf(Role::Channel).box).width())
    , m_widestChannel(widestText(controls.Combo1->fontMetrics(), channelItems(Band::GHz2_4)))
    , m_lossTip(QString::fromUtf8(rowOf(Role::LossPerMetre, LinkEnd::One).toolTip))
    , m_warningTip(QString::fromUtf8(rowOf(Role::Warning, LinkEnd::One).toolTip)) {
    QPalette palette = m_c.lblIndoors->palette();
    palette.setColor(QPalette::WindowText, kWarningRed);
    m_c.lblIndoors->setPalette(palette);
}

void BandFace::show(const LinkTexts& texts, const LinkInputs& inputs) {
    m_c.lblIndoors->setVisible(texts.band.indoorsOnly);
    // The channel box widens by as much as the band's longest channel (" 165")
    // is longer than the 2.4 GHz band's, for which the window's table made it.
    QComboBox* channels = m_c.Combo1;
    const int widest = widestText(channels->fontMetrics(),
                                  channelItems(inputs.band, widthIn(inputs.band, inputs.width)));
    const int width = m_channelWidth + std::max(0, widest - m_widestChannel);
    const QRect placed = twipsRect(rowOf(Role::Channel).box);
    channels->resize(width, placed.height()); // nothing happens while the size is the same
    const QString lossTip = QString::fromStdString(cableLossTip(inputs.band));
    const QString warningTip = texts.band.limitDbm
                                   ? QString::fromStdString(legalLimitTip(*texts.band.limitDbm))
                                   : m_warningTip;
    if (lossTip == m_lossTip && warningTip == m_warningTip) return;
    m_lossTip = lossTip;
    m_warningTip = warningTip;
    for (const LinkEndControls* end : {&m_c.end1, &m_c.end2}) {
        explain(end->lossPerMetre, lossTip);
        explain(end->warning, warningTip);
    }
}

} // namespace tarvanel
