#pragma once

#include "engine/path_figures.h"

#include <QWidget>

class QPainter;

namespace tarvanel {

// The link seen from the side: the path to scale across (0 to d, km marks),
// heights stretched to fit (m marks); the earth's bulge for the chosen k as
// the curved ground, both antennas on their masts, the line of sight, the
// first Fresnel zone and its 60 % part, and the obstacle as a bar at its
// distance in the colour of the verdict (green: clear, red: not). Without a
// link distance it shows a short hint instead.
class PathSideView : public QWidget {
    Q_OBJECT
public:
    explicit PathSideView(QWidget* parent = nullptr);

    // Repaints only when the profile differs from the one shown.
    void showProfile(const PathProfile& profile);
    const PathProfile& profile() const { return m_profile; }

    // Where the path is drawn: 0 km at its left edge, the link distance at its
    // right, the lowest height at its bottom.
    QRectF plotArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PathProfile m_profile;
};

// The side view of a profile drawn into `box` of any painter (a widget, a
// PDF page): vectors and text only.
void paintPathSide(QPainter& painter, const QRectF& box, const PathProfile& profile);

// What the side view's colours stand for, a line each, inside `box`.
void paintSideViewLegend(QPainter& painter, const QRectF& box);

} // namespace tarvanel
