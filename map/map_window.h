#pragma once

#include "map/map_scene.h"
#include "map/viewshed_runner.h"
#include "plan/plan.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tarvanel {

class ElevationReader;
class MapCanvas;

// The map's window: the map, a bar to ask what a site sees (the site, the
// mast at the far end, the radius), a legend, and menus to save the view as a
// picture, choose the elevation folder and the user's own map under the
// relief, and move around. The relief comes from the elevation folder the
// path panel remembers; nothing is ever downloaded.
class MapWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MapWindow(Plan& plan, QWidget* parent = nullptr);
    ~MapWindow() override;

    MapCanvas* canvas() const { return m_canvas; }

    // The survey's rows, drawn as thin lines (set by the survey as it finds them).
    void setSurveyLines(std::vector<SurveyLine> lines);
    void selectSite(SiteId id);

    // What the chosen site saw the last time its viewshed was worked out:
    // every other site, seen or not ("ορατό"/"όχι" through sightWord).
    SiteId visibilityFrom() const;
    std::map<SiteId, Sight> visibility() const;

    // Works out what the chosen site sees, off this thread.
    void startViewshed();
    void cancelViewshed();
    // Writes the map as drawn to a PNG file; false (and the reason) when it
    // cannot be written.
    bool saveImage(const QString& file, QString* problem = nullptr);

signals:
    void siteSelected(tarvanel::SiteId id);
    void visibilityChanged();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildViewshedBar();
    void showSites();
    void siteChosen(SiteId id);
    void askImageFile();
    void askElevationFolder();
    void askRasterMap();
    void followSettings();
    void tell(const QString& text);

    Plan& m_plan;
    int m_listening = 0;
    std::shared_ptr<ElevationReader> m_reader;
    MapCanvas* m_canvas = nullptr;
    ViewshedRunner* m_viewshed = nullptr;
    QComboBox* m_site = nullptr;
    QSpinBox* m_targetMast = nullptr;
    QSpinBox* m_radius = nullptr;
    QPushButton* m_seeButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_legend = nullptr;
};

} // namespace tarvanel
