#pragma once

#include "map/map_background.h"
#include "map/map_projection.h"
#include "map/map_scene.h"
#include "map/viewshed_runner.h"
#include "plan/plan.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace tarvanel {

class ElevationReader;

// The map itself, a picture: the relief (and the user's map under it), what a
// site sees, the plan's survey lines, links and sites, a scale bar and the
// north. The wheel zooms about the pointer, a drag or the arrow keys move it;
// a click on a site selects it, on a link makes it the plan's current link.
// It follows the plan as it changes, and keeps its place in the plan.
class MapCanvas : public QWidget {
    Q_OBJECT
public:
    MapCanvas(Plan& plan, std::shared_ptr<ElevationReader> reader, QWidget* parent = nullptr);
    ~MapCanvas() override;

    const MapProjection& projection() const { return m_projection; }
    const MapScene& scene();

    // Where the relief comes from (none: a plain ground), and the user's map
    // under it (none: without).
    void setElevationFolder(const QString& folder);
    void setRasterMap(const QString& file);
    const QString& elevationFolder() const { return m_elevationFolder; }
    // Whether a background is being worked out for the view.
    bool backgroundPending() const { return m_loader.busy() || m_backgroundWanted.isActive(); }

    void setSurveyLines(std::vector<SurveyLine> lines);
    const std::vector<SurveyLine>& surveyLines() const { return m_survey; }
    void setViewshed(std::optional<ViewshedLayer> layer);
    const std::optional<ViewshedLayer>& viewshed() const { return m_viewshed; }

    SiteId selectedSite() const { return m_selected; }
    void selectSite(SiteId id); // 0: none; tells siteSelected when it changes

    // Moves that the user asks for, kept in the plan once the map rests.
    void fitPlan();
    void zoomBy(double factor); // about the pointer while it is over the map
    void panBy(const QPointF& pixels);

    // What the map says of itself in words: what it lacks, what the viewshed is.
    QString notes();
    // The map as drawn, at its size.
    QImage picture();

signals:
    void siteSelected(tarvanel::SiteId id);
    void backgroundArrived();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveTo(const MapProjection& projection, bool byUser);
    void placeFromPlan();
    void planChanged(const PlanChange& change);
    void askForBackground();
    void paintMap(QPainter& painter);

    Plan& m_plan;
    int m_listening = 0;
    MapProjection m_projection;
    MapScene m_scene;
    bool m_sceneStale = true;
    std::vector<SurveyLine> m_survey;
    SiteId m_selected = 0;
    QString m_elevationFolder, m_rasterMap;
    BackgroundLoader m_loader;
    MapBackground m_background;
    std::optional<BackgroundRequest> m_asked; // the last request made
    std::optional<ViewshedLayer> m_viewshed;
    QTimer m_backgroundWanted; // asks once the map stops moving
    QTimer m_placeToKeep;      // writes the place into the plan once it rests
    std::optional<QPointF> m_pressedAt, m_draggedTo;
};

} // namespace tarvanel
