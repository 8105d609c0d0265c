// The map: the relief lit from the north-west under the plan, what a site
// sees over a hill, clicks that select a site or make a link current, moving
// around kept in the plan, the picture saved with the sites where they are
// drawn; opened from the main window only when asked for. The ground is a
// cone-shaped hill the test writes (tests/elevation/synthetic_tiles.h).

#include "elevation/elevation_folder_setting.h"
#include "elevation/elevation_loader.h"
#include "map/link_map.h"
#include "map/map_canvas.h"
#include "map/map_window.h"
#include "map/plan_layer.h"
#include "tests/elevation/synthetic_tiles.h"
#include "tests/gui/main_window_support.h"
#include "widgets/qt_number_locale.h"
#include "widgets/window_colours.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tarvanel;

namespace {

// Around the hill's top at 37.5 N 23.5 E: W 13 km west of it, Near up its
// western flank, Far behind it, S to the south-west; the links W-Far
// (current) and Near-S, each with the example link's radios.
Plan hillPlan() {
    std::vector<Site> sites;
    for (const auto& [name, position] : {std::pair{"W", "37.5, 23.35"},
                                         {"Near", "37.5, 23.40"},
                                         {"Far", "37.5, 23.56"},
                                         {"S", "37.45, 23.45"}}) {
        Site site;
        site.id = SiteId(sites.size() + 1);
        site.name = name;
        site.position = position;
        site.mast = "10";
        site.radio = {"20", PowerUnit::dBm, "15", "0.22", "10", "2"};
        site.sensitivity = "80";
        sites.push_back(site);
    }
    sites[3].mast = "14";
    std::vector<Link> links(2);
    for (const auto& [id, ends] : {std::pair{1, std::array{1, 3}}, {2, std::array{2, 4}}}) {
        links[id - 1].id = id;
        links[id - 1].ends = ends;
        links[id - 1].frequency = "2427";
        links[id - 1].fadeMargin = "10";
    }
    return Plan(sites, links, 1);
}

Position positionOf(const Plan& plan, SiteId id) {
    return readPosition(plan.site(id)->position, numberLocaleFrom(QLocale())).position;
}

int brightness(const QImage& image, const QPointF& at) {
    const QColor c = image.pixelColor(at.toPoint());
    return c.red() + c.green() + c.blue();
}

} // namespace

class TestMap : public QObject {
    Q_OBJECT
    QTemporaryDir m_tiles;
    std::unique_ptr<Plan> m_plan;
    std::unique_ptr<MapWindow> m_window;

    MapCanvas* canvas() { return m_window->canvas(); }
    QPointF pixelOf(SiteId id) { return canvas()->projection().toPixel(positionOf(*m_plan, id)); }

    // The map of `plan`, its relief drawn from the hill's tile or without one.
    void open(const Plan& plan, bool relief) {
        QSettings settings;
        settings.setValue(QString::fromLatin1(kElevationFolderSetting),
                          relief ? m_tiles.path() : QString());
        m_plan = std::make_unique<Plan>(plan);
        m_window = std::make_unique<MapWindow>(*m_plan);
        m_window->resize(1100, 760);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTest::qWait(200);
        QVERIFY(QTest::qWaitFor([this] { return !canvas()->backgroundPending(); }, 20000));
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        writeFile(m_tiles.path().toStdString() + "/N37E023.hgt", hgtBytes(37, 23, cone));
    }
    void cleanup() {
        m_window.reset();
        m_plan.reset();
    }

    // Faces 5 km from the top, at the same height and so the same tint, on
    // the map kept in the plan: its middle on the top.
    void reliefIsBrighterOnTheNorthWestFace() {
        Plan plan = hillPlan();
        plan.setMapPlace(MapPlace{37.5, 23.5, 30.0});
        open(plan, true);
        const QImage picture = canvas()->picture();
        const MapProjection& map = canvas()->projection();
        const int northWest = brightness(picture, map.toPixel({37.5318, 23.4599}));
        const int southEast = brightness(picture, map.toPixel({37.4682, 23.5401}));
        QVERIFY2(northWest > southEast + 30,
                 qPrintable(QStringLiteral("%1 against %2").arg(northWest).arg(southEast)));
        QVERIFY(!canvas()->notes().contains(QStringLiteral("ανάγλυφο")));
    }

    // From W (its mast 10 m, a mast of 10 m at the far end): Near, up the
    // flank, is seen; Far, behind the top, is not. Cancelled, nothing is.
    void aSiteBehindTheHillIsNotSeen() {
        open(hillPlan(), true);
        m_window->selectSite(1);
        auto* button = m_window->findChild<QPushButton*>(QStringLiteral("cmdViewshed"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(m_window->findChild<QPushButton*>(QStringLiteral("cmdCancelViewshed")),
                          Qt::LeftButton);
        auto* status = m_window->findChild<QLabel*>(QStringLiteral("lblMapStatus"));
        QVERIFY(QTest::qWaitFor([&] { return status->text().contains("ακυρώθηκε"); }, 20000));
        QVERIFY(m_window->visibility().empty() && !canvas()->viewshed());

        QSignalSpy seen(m_window.get(), &MapWindow::visibilityChanged);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(seen.wait(20000));
        QCOMPARE(m_window->visibilityFrom(), 1);
        const std::map<SiteId, Sight> sights = m_window->visibility();
        QCOMPARE(sightWord(sights.at(2)), "ορατό");
        QCOMPARE(sightWord(sights.at(3)), "όχι");
        // The cells under both, in the layer drawn.
        const MapPicture& layer = canvas()->viewshed()->picture;
        const auto cellUnder = [&](SiteId id) {
            const Position p = positionOf(*m_plan, id);
            const GeoExtent& a = layer.area;
            return layer.image.pixelColor(
                int((p.longitude - a.west) / (a.east - a.west) * layer.image.width()),
                int((a.north - p.latitude) / (a.north - a.south) * layer.image.height()));
        };
        QCOMPARE(cellUnder(2).blue(), 0); // yellow: seen
        QVERIFY(cellUnder(3).blue() > 0); // grey: not
        QVERIFY(canvas()->notes().contains("Μόνο οπτική επαφή, όχι ελεύθερη ζώνη Fresnel"));
    }

    void clicksSelectASiteAndMakeALinkCurrent() {
        open(hillPlan(), false);
        QSignalSpy selected(m_window.get(), &MapWindow::siteSelected);
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, pixelOf(4).toPoint());
        QCOMPARE(selected.value(0).value(0).value<SiteId>(), 4);
        QCOMPARE(m_window->findChild<QComboBox*>(QStringLiteral("cboMapSite"))->currentText(), "S");
        QCOMPARE(m_window->findChild<QSpinBox*>(QStringLiteral("spnTargetMast"))->value(), 14);
        QCOMPARE(m_plan->currentLink(), 1);
        const QPointF middle = (pixelOf(2) + pixelOf(4)) / 2;
        QTest::mouseClick(canvas(), Qt::LeftButton, {}, middle.toPoint());
        QCOMPARE(m_plan->currentLink(), 2);
        QCOMPARE(canvas()->selectedSite(), 4);
    }

    // The wheel keeps the place under the pointer, a drag carries it along,
    // the arrows and +/− move and zoom, Home fits the plan; the place rests in
    // the plan, where a new map finds it.
    void movingAroundIsKeptInThePlan() {
        open(hillPlan(), false);
        const MapProjection fitted = canvas()->projection();
        const QPointF pointer(200, 150);
        const Position under = fitted.toPosition(pointer);
        QWheelEvent wheel(pointer, canvas()->mapToGlobal(pointer), {}, {0, 120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas(), &wheel);
        const MapProjection zoomed = canvas()->projection();
        QCOMPARE(zoomed.place().metresPerPixel, fitted.place().metresPerPixel / 1.25);
        QVERIFY(QLineF(zoomed.toPixel(under), pointer).length() < 0.5);

        QTest::mousePress(canvas(), Qt::LeftButton, {}, {300, 300});
        QTest::mouseMove(canvas(), {340, 320});
        QTest::mouseMove(canvas(), {360, 330});
        QTest::mouseRelease(canvas(), Qt::LeftButton, {}, {360, 330});
        QVERIFY(QLineF(canvas()->projection().toPixel(zoomed.toPosition({300, 300})), {360, 330})
                    .length() < 0.5);
        QCOMPARE(m_plan->currentLink(), 1); // a drag is no click

        canvas()->setFocus();
        const MapProjection before = canvas()->projection();
        const QPointF middle(canvas()->width() / 2.0, canvas()->height() / 2.0);
        QTest::keyClick(canvas(), Qt::Key_Right); // an eighth of the map east
        QVERIFY(QLineF(before.toPixel(canvas()->projection().toPosition(middle)),
                       middle + QPointF(canvas()->width() / 8.0, 0))
                    .length() < 0.5);
        const double scale = canvas()->projection().place().metresPerPixel;
        QTest::keyClick(canvas(), Qt::Key_Minus);
        QCOMPARE(canvas()->projection().place().metresPerPixel, scale * 1.5);
        QTest::keyClick(canvas(), Qt::Key_Home);
        QCOMPARE(canvas()->projection().place(), fitted.place());
        QTest::keyClick(canvas(), Qt::Key_Plus);

        QVERIFY(QTest::qWaitFor([this] { return m_plan->mapPlace().has_value(); }, 2000));
        const MapPlace kept = *m_plan->mapPlace();
        QCOMPARE(kept, canvas()->projection().place());
        QCOMPARE(kept.metresPerPixel, fitted.place().metresPerPixel / 1.5);
        const Plan moved = *m_plan;
        cleanup();
        open(moved, false);
        QCOMPARE(canvas()->projection().place(), kept);
    }

    // Without elevation files: a plain ground, the note of where the relief
    // would come from, the sites as dots at their pixels in the saved
    // picture, the survey's lines in their colours; and the map around a link.
    void theSavedPictureHasTheSitesAtTheirPixels() {
        open(hillPlan(), false);
        QVERIFY(canvas()->notes().contains("Χωρίς ανάγλυφο"));
        m_window->setSurveyLines({{4, 1, true}, {4, 3, false}});
        QTemporaryDir dir;
        const QString file = dir.filePath("map.png");
        QVERIFY(m_window->saveImage(file));
        const QImage saved(file);
        QCOMPARE(saved.size(), canvas()->size());
        for (SiteId id = 1; id <= 4; ++id)
            QCOMPARE(saved.pixelColor(pixelOf(id).toPoint()), kSiteDot);
        const auto colourNear = [&](const QPointF& at, const QColor& colour) {
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    if (const QColor c = saved.pixelColor(at.toPoint() + QPoint(dx, dy));
                        std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                            std::abs(c.blue() - colour.blue()) <
                        40)
                        return true;
            return false;
        };
        QVERIFY(colourNear((pixelOf(4) + pixelOf(1)) / 2, kResultGreen));
        QVERIFY(colourNear((pixelOf(4) + pixelOf(3)) / 2, kWarningRed));
        QVERIFY(!QFileInfo(dir.filePath("no/such/map.png")).exists() &&
                !m_window->saveImage(dir.filePath("no/such/map.png")));

        QImage around(400, 300, QImage::Format_RGB32);
        QPainter painter(&around);
        ElevationReader reader;
        paintLinkMap(painter, around.rect(), *m_plan, 2, reader, {});
        painter.end();
        const MapProjection fitted(
            MapProjection::fitting({positionOf(*m_plan, 2), positionOf(*m_plan, 4)}, {400, 300}),
            {400, 300});
        for (SiteId id : {2, 4})
            QCOMPARE(around.pixelColor(fitted.toPixel(positionOf(*m_plan, id)).toPoint()),
                     kSiteDot);
    }

    // Nothing of the map before it is asked for; Ctrl+Shift+M opens it on the
    // window's plan, a picture by its name and description.
    void opensFromTheMainWindowOnlyWhenAsked() {
        FrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.findChild<MapWindow*>());
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        auto* map = window.findChild<MapWindow*>();
        QVERIFY(map && map->isVisible());
        QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(map->canvas());
        QVERIFY(picture->text(QAccessible::Name).contains("εικόνα"));
        QVERIFY(picture->text(QAccessible::Description).contains("πίνακες"));
        QTest::keyClick(&window, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(window.findChildren<MapWindow*>().size(), 1);
    }
};

QTEST_MAIN(TestMap)
#include "tst_map.moc"
