#include "path/path_panel.h"

#include "engine/earth_factor.h"
#include "path/path_side_view.h"
#include "widgets/choice_box.h"
#include "widgets/control_factory.h"
#include "widgets/drawn_captions.h"
#include "widgets/window_colours.h"

#include <QKeyEvent>
#include <QPainter>

namespace tarvanel {

namespace {
constexpr double kBorderWidth = 2; // pixels, as the window's
constexpr double kHeadingLeft = 13;
constexpr double kHeadingCentre = 18;
constexpr const char* kHeading = "Διαδρομή ζεύξης";
// The legend, under the results column.
constexpr QRectF kLegend{354, 202, 190, 94};
} // namespace

PathPanel::PathPanel(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (const ControlRow& row : pathPanelTable()) {
        const QString name = accessibleNameOf(row);
        QWidget* widget = createControl(row, this, name);
        if (row.kind == Kind::SideView) {
            widget = new PathSideView(this);
            widget->setObjectName(QLatin1String(row.name));
            widget->setGeometry(twipsRect(row.box));
            widget->setAccessibleName(name);
        }
        if (row.keep) row.keep(&m_controls, row.end, widget);
        m_rowControls.emplace_back(&row, widget);
    }
    for (const EarthFactorChoice& choice : kEarthFactorChoices)
        m_controls.cboEarthFactor->addItem(QString::fromUtf8(choice.label));
}

void PathPanel::showProfile(const PathProfile& profile) {
    m_controls.picPathSide->showProfile(profile);
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
    drawCaption(painter, headingFont(), kHeadingLeft, kHeadingCentre, kHeading);
    drawControlCaptions(painter, pathPanelTable(), Container::PathPanel);
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
