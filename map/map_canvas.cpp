#include "map/map_canvas.h"

#include "map/map_furniture.h"
#include "map/plan_layer.h"
#include "numbers/number_text.h"
#include "widgets/qt_number_locale.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QWheelEvent>

#include <cmath>

namespace tarvanel {

namespace {

const QColor kPlainGround{236, 234, 224};
constexpr double kReliefOverMap = 0.5; // the relief's opacity over the user's map
constexpr double kWheelStep = 1.25;    // zoom for one notch of the wheel

QString whereTheReliefComesFrom() {
    return QStringLiteral(
        "Χωρίς ανάγλυφο: δεν έχει οριστεί φάκελος υψομέτρων. Ορίστε τον από «Χάρτης › Φάκελος "
        "υψομέτρων...» ή από «Έδαφος από αρχεία υψομέτρων» στη διαδρομή ζεύξης.");
}

} // namespace

MapCanvas::MapCanvas(Plan& plan, std::shared_ptr<ElevationReader> reader, QWidget* parent)
    : QWidget(parent)
    , m_plan(plan)
    , m_projection(MapPlace{0.0, 0.0, MapProjection::kCoarsestMetresPerPixel}, QSizeF())
    , m_loader(std::move(reader)) {
    setObjectName(QStringLiteral("mapCanvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
    setAccessibleName(QStringLiteral("Χάρτης (εικόνα)"));
    setAccessibleDescription(QStringLiteral(
        "Εικόνα του σχεδίου πάνω στο ανάγλυφο: οι θέσεις, οι ζεύξεις και ό,τι βλέπει μια θέση. "
        "Ό,τι δείχνει υπάρχει στους πίνακες των θέσεων και της έρευνας."));
    m_backgroundWanted.setSingleShot(true);
    m_backgroundWanted.setInterval(150);
    connect(&m_backgroundWanted, &QTimer::timeout, this, &MapCanvas::askForBackground);
    m_placeToKeep.setSingleShot(true);
    m_placeToKeep.setInterval(500);
    connect(&m_placeToKeep, &QTimer::timeout, this,
            [this] { m_plan.setMapPlace(m_projection.place()); });
    connect(&m_loader, &BackgroundLoader::ready, this, [this](const MapBackground& background) {
        m_background = background;
        update();
        emit backgroundArrived();
    });
    m_listening = m_plan.listen([this](const PlanChange& change) { planChanged(change); });
    placeFromPlan();
}

MapCanvas::~MapCanvas() {
    m_plan.unlisten(m_listening);
}

const MapScene& MapCanvas::scene() {
    if (m_sceneStale) {
        m_scene = mapSceneOf(m_plan, numberLocaleFrom(QLocale()));
        m_sceneStale = false;
    }
    return m_scene;
}

void MapCanvas::placeFromPlan() {
    const QSizeF size = this->size();
    moveTo(MapProjection(
               m_plan.mapPlace().value_or(MapProjection::fitting(scene().positions(), size)), size),
           false);
}

void MapCanvas::planChanged(const PlanChange& change) {
    if (change.kind == PlanChange::Kind::MapPlace) {
        if (m_plan.mapPlace() && *m_plan.mapPlace() != m_projection.place()) placeFromPlan();
        return;
    }
    m_sceneStale = true;
    if (m_selected && !m_plan.site(m_selected)) selectSite(0);
    if (m_viewshed && !m_plan.site(m_viewshed->ask.site)) setViewshed(std::nullopt);
    if (change.kind == PlanChange::Kind::Replaced) {
        m_survey.clear();
        setViewshed(std::nullopt);
        placeFromPlan();
    }
    update();
}

void MapCanvas::moveTo(const MapProjection& projection, bool byUser) {
    m_projection = projection;
    if (byUser) m_placeToKeep.start();
    m_backgroundWanted.start();
    update();
}

void MapCanvas::askForBackground() {
    const auto request = backgroundRequestFor(m_projection, m_elevationFolder, m_rasterMap);
    if (request == m_asked) return;
    m_asked = request;
    if (request)
        m_loader.request(*request);
    else
        m_background = {};
    update();
}

void MapCanvas::setElevationFolder(const QString& folder) {
    if (folder == m_elevationFolder) return;
    m_elevationFolder = folder;
    m_background = {};
    askForBackground();
}

void MapCanvas::setRasterMap(const QString& file) {
    if (file == m_rasterMap) return;
    m_rasterMap = file;
    askForBackground();
}

void MapCanvas::setSurveyLines(std::vector<SurveyLine> lines) {
    m_survey = std::move(lines);
    update();
}

void MapCanvas::setViewshed(std::optional<ViewshedLayer> layer) {
    m_viewshed = std::move(layer);
    update();
}

void MapCanvas::selectSite(SiteId id) {
    if (id == m_selected) return;
    m_selected = id;
    update();
    emit siteSelected(id);
}

void MapCanvas::fitPlan() {
    moveTo(MapProjection(MapProjection::fitting(scene().positions(), size()), size()), true);
}

void MapCanvas::zoomBy(double factor) {
    const QPointF pointer = mapFromGlobal(QCursor::pos());
    const QPointF about = rect().contains(pointer.toPoint()) ? pointer : rect().center();
    moveTo(m_projection.zoomed(factor, about), true);
}

void MapCanvas::panBy(const QPointF& pixels) {
    moveTo(m_projection.panned(pixels), true);
}

QString MapCanvas::notes() {
    QStringList notes;
    if (m_elevationFolder.isEmpty())
        notes << whereTheReliefComesFrom();
    else if (m_projection.extent().east - m_projection.extent().west > kWidestReliefDegrees)
        notes << QStringLiteral("Μεγεθύνετε για να φανεί το ανάγλυφο.");
    if (m_asked && !m_background.notes.isEmpty()) notes << m_background.notes;
    const std::size_t unplaced = scene().sites.size() - scene().positions().size();
    if (unplaced > 0)
        notes
            << QStringLiteral("%1 θέσεις δεν φαίνονται: η θέση τους δεν διαβάζεται.").arg(unplaced);
    if (m_viewshed) {
        const NumberLocale locale = numberLocaleFrom(QLocale());
        const MapScene::SitePoint* from = scene().site(m_viewshed->ask.site);
        notes << QStringLiteral("Κίτρινο: όπου ιστός %1 m βλέπει την κεραία της θέσης «%2», ως "
                                "%3. Μόνο οπτική επαφή, όχι ελεύθερη ζώνη Fresnel.")
                     .arg(QString::fromStdString(
                              formatGeneral(float(m_viewshed->ask.targetMastM), locale)),
                          from ? from->name : QString(), distanceWords(m_viewshed->ask.radiusM));
    }
    return notes.join(QLatin1Char('\n'));
}

void MapCanvas::paintMap(QPainter& painter) {
    const QRectF area = rect();
    painter.fillRect(area, kPlainGround);
    paintPicture(painter, m_projection, m_background.rasterMap);
    paintPicture(painter, m_projection, m_background.relief,
                 m_background.rasterMap.image.isNull() ? 1.0 : kReliefOverMap);
    if (m_viewshed) paintPicture(painter, m_projection, m_viewshed->picture);
    paintPlanLayer(painter, m_projection, scene(), m_survey, m_selected);
    paintScaleBar(painter, area, m_projection.place().metresPerPixel);
    paintNorthArrow(painter, area);
    paintNotes(painter, area, notes());
}

QImage MapCanvas::picture() {
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintMap(painter);
    return image;
}

void MapCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintMap(painter);
}

// A new size keeps the place the plan keeps (or fits the plan when it keeps
// none), or the place the user has just moved to and the plan is not told yet.
void MapCanvas::resizeEvent(QResizeEvent*) {
    if (m_placeToKeep.isActive())
        moveTo(MapProjection(m_projection.place(), size()), false);
    else
        placeFromPlan();
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_pressedAt = event->position();
    m_draggedTo.reset();
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!m_pressedAt) return;
    const QPointF at = event->position();
    if (!m_draggedTo && (at - *m_pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    setCursor(Qt::ClosedHandCursor);
    panBy(at - m_draggedTo.value_or(*m_pressedAt));
    m_draggedTo = at;
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressedAt) return;
    const bool clicked = !m_draggedTo;
    m_pressedAt.reset();
    m_draggedTo.reset();
    setCursor(Qt::OpenHandCursor);
    if (!clicked) return;
    const MapHit hit = hitAt(m_projection, scene(), event->position());
    if (hit.site)
        selectSite(hit.site);
    else if (hit.link)
        m_plan.setCurrentLink(hit.link);
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0) return;
    moveTo(m_projection.zoomed(std::pow(kWheelStep, notches), event->position()), true);
}

// The arrows move the view an eighth of the map towards them.
void MapCanvas::keyPressEvent(QKeyEvent* event) {
    const double across = width() / 8.0, down = height() / 8.0;
    switch (event->key()) {
    case Qt::Key_Left:
        return panBy({across, 0});
    case Qt::Key_Right:
        return panBy({-across, 0});
    case Qt::Key_Up:
        return panBy({0, down});
    case Qt::Key_Down:
        return panBy({0, -down});
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tarvanel
