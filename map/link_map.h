#pragma once

#include "plan/plan.h"

#include <QRectF>
#include <QString>

class QPainter;

namespace tarvanel {

class ElevationReader;

// The map around one link, for a report: both ends with room around them,
// the link thick in the colour of its margin (the plan's other links and
// sites too where they fall), north up, a scale bar, and the relief from
// `elevationFolder` when one is given (worked out here, on the caller's
// thread, at twice the box's size for print). `box` is in the painter's
// units, taken as pixels.
void paintLinkMap(QPainter& painter, const QRectF& box, const Plan& plan, LinkId link,
                  ElevationReader& reader, const QString& elevationFolder);

// The same around every site of the plan whose position reads, the current
// link thick: the map of a plan's report.
void paintPlanMap(QPainter& painter, const QRectF& box, const Plan& plan, ElevationReader& reader,
                  const QString& elevationFolder);

} // namespace tarvanel
