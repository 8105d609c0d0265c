#pragma once

#include <QFocusFrame>

namespace tarvanel {

// The short red line under a link end's unit picture. Its end points are kept
// in twips as the window's coordinates; x1 alone tells the power unit (see
// powerUnitFromUnderline). The widget occupies the span it draws.
//
// It is decoration (a power field's description and the unit option buttons
// say the unit): a QFocusFrame, the one kind of decoration widget that Qt
// leaves out of what assistive technology is shown.
class UnderlineLine : public QFocusFrame {
    Q_OBJECT
public:
    UnderlineLine(float x1, float x2, float y, QWidget* parent = nullptr);

    float x1() const { return m_x1; }
    float x2() const { return m_x2; }

    // Moves the line; x1 first, then x2, as one update of the screen.
    void setEnds(float x1, float x2);

signals:
    void endsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeOnParent();

    float m_x1;
    float m_x2;
    float m_y;
};

} // namespace tarvanel
