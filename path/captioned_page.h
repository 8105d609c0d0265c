#pragma once

#include "widgets/control_row.h"

#include <QWidget>

#include <span>

namespace tarvanel {

// A page of the path panel whose fields' captions and units are drawn on its
// ground, from the rows of its container.
class CaptionedPage : public QWidget {
    Q_OBJECT
public:
    CaptionedPage(std::span<const ControlRow> rows, Container container, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::span<const ControlRow> m_rows;
    Container m_container;
};

} // namespace tarvanel
