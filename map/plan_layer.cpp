#include "map/plan_layer.h"

#include "widgets/window_colours.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>

#include <cmath>
#include <limits>

namespace tarvanel {

namespace {

constexpr double kSiteRadius = 5.0;
constexpr double kSiteReach = 9.0; // a click this near a dot picks its site
constexpr double kLinkReach = 6.0; // and this near a line its link
constexpr double kLinkWidth = 3.0;
constexpr double kCurrentLinkWidth = 6.0;
constexpr double kSurveyWidth = 1.5;
const QColor kIncompleteGrey{128, 128, 128};
const QColor kSelectedRing{255, 140, 0};

std::optional<QLineF> lineOf(const MapProjection& projection, const MapScene& scene, SiteId from,
                             SiteId to) {
    const MapScene::SitePoint* a = scene.site(from);
    const MapScene::SitePoint* b = scene.site(to);
    if (!a || !b || !a->position || !b->position) return std::nullopt;
    return QLineF(projection.toPixel(*a->position), projection.toPixel(*b->position));
}

double distanceToSegment(const QLineF& line, const QPointF& p) {
    const QPointF d = line.p2() - line.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 > 0.0 ? std::clamp(QPointF::dotProduct(p - line.p1(), d) / length2, 0.0, 1.0) : 0.0;
    return QLineF(p, line.p1() + t * d).length();
}

// A name in dark letters on a pale label, readable on any ground.
void paintName(QPainter& painter, const QPointF& at, const QString& name) {
    const QFontMetricsF metrics(painter.font());
    const QRectF box(at.x() - 2, at.y() - metrics.ascent() - 1, metrics.horizontalAdvance(name) + 4,
                     metrics.height() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(QColor(20, 20, 20));
    painter.drawText(at, name);
}

} // namespace

QColor toneColour(LinkTone tone) {
    switch (tone) {
    case LinkTone::Met:
        return kResultGreen;
    case LinkTone::Short:
        return kWarningRed;
    case LinkTone::Incomplete:
        break;
    }
    return kIncompleteGrey;
}

void paintPlanLayer(QPainter& painter, const MapProjection& projection, const MapScene& scene,
                    const std::vector<SurveyLine>& survey, SiteId selectedSite) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const SurveyLine& row : survey)
        if (const auto line = lineOf(projection, scene, row.from, row.to)) {
            const LinkTone tone = !row.marginMet   ? LinkTone::Incomplete
                                  : *row.marginMet ? LinkTone::Met
                                                   : LinkTone::Short;
            painter.setPen(QPen(toneColour(tone), kSurveyWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(*line);
        }
    // The current link last, over the others.
    for (const bool current : {false, true})
        for (const MapScene::LinkLine& link : scene.links)
            if ((link.id == scene.current) == current)
                if (const auto line = lineOf(projection, scene, link.ends[0], link.ends[1])) {
                    painter.setPen(QPen(toneColour(link.tone),
                                        current ? kCurrentLinkWidth : kLinkWidth, Qt::SolidLine,
                                        Qt::RoundCap));
                    painter.drawLine(*line);
                }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    for (const MapScene::SitePoint& site : scene.sites) {
        if (!site.position) continue;
        const QPointF at = projection.toPixel(*site.position);
        if (site.id == selectedSite) {
            painter.setPen(QPen(kSelectedRing, 3.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, kSiteRadius + 4, kSiteRadius + 4);
        }
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(kSiteDot);
        painter.drawEllipse(at, kSiteRadius, kSiteRadius);
        paintName(painter, at + QPointF(kSiteRadius + 3, -kSiteRadius), site.name);
    }
    painter.restore();
}

MapHit hitAt(const MapProjection& projection, const MapScene& scene, const QPointF& pixel) {
    MapHit hit;
    double nearest = kSiteReach;
    for (const MapScene::SitePoint& site : scene.sites)
        if (site.position) {
            const double d = QLineF(pixel, projection.toPixel(*site.position)).length();
            if (d <= nearest) {
                nearest = d;
                hit.site = site.id;
            }
        }
    if (hit.site) return hit;
    nearest = kLinkReach;
    for (const MapScene::LinkLine& link : scene.links)
        if (const auto line = lineOf(projection, scene, link.ends[0], link.ends[1])) {
            const double d = distanceToSegment(*line, pixel);
            if (d <= nearest) {
                nearest = d;
                hit.link = link.id;
            }
        }
    return hit;
}

} // namespace tarvanel
