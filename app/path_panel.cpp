#include "app/path_panel.h"

#include "app/drawn_captions.h"
#include "app/path_side_view.h"
#include "widgets/window_colours.h"

#include <QKeyEvent>
#include <QPainter>

namespace tarvanel {

namespace {
constexpr double kBorderWidth = 2; // pixels, as the window's
constexpr double kHeadingLeft = 13;
constexpr double kHeadingCentre = 18;
// The legend, under the results column.
constexpr QRectF kLegend{354, 202, 190, 94};
} // namespace

PathPanel::PathPanel(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PathPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackgroundGround);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = width();
    const double h = height();
    constexpr double b = kBorderWidth;
    painter.fillRect(QRectF(0, 0, b, h), Qt::black);
    painter.fillRect(QRectF(w - b, 0, b, h), Qt::black);
    painter.fillRect(QRectF(0, h - b, w, b), Qt::black);

    painter.setPen(Qt::black);
    drawCaption(painter, headingFont(), kHeadingLeft, kHeadingCentre, "Διαδρομή ζεύξης");
    drawControlCaptions(painter, Container::PathPanel);
    paintSideViewLegend(painter, kLegend);
}

void PathPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        emit closeRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace tarvanel
