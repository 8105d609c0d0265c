#pragma once

#include "inputs/link_end_controls.h"
#include "inputs/locale_source.h"

#include <QObject>

namespace tarvanel {

// Recomputes a link end's cable loss on every change of one of its three cable
// fields, typed or written from code, and shows it in the end's label at once.
class CableLossLabels : public QObject {
    Q_OBJECT
public:
    CableLossLabels(const LinkEndControls& end1, const LinkEndControls& end2, LocaleSource locale,
                    QObject* parent = nullptr);

    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void Text8_Change();
    void Text7_Change();
    void Text1_Change();

private:
    using Handler = void (CableLossLabels::*)();
    void connectEnd(const LinkEndControls& end, Handler lossPerMetre, Handler length,
                    Handler connectors);
    void showCableLoss(const LinkEndControls& end);

    LinkEndControls m_end1;
    LinkEndControls m_end2;
    LocaleSource m_locale;
};

} // namespace tarvanel
