#pragma once

#include "plan/plan.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace tarvanel {

class ElevationReader;
class SitesModel;
class SitesView;
class SpokenNotice;
class SurveyModel;
class SurveyView;

// The plan's sites and the survey from one of them, in a window of its own
// beside the main one: the sites' table with its import, then the survey's
// site, its ground (the folder of elevation files, or none), its table, and
// its progress with a button that cancels it (or goes on with the rows left).
// What it has to tell (a site that stays, an import, the survey's end) shows
// in its status line and is spoken.
class SitesWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit SitesWindow(Plan& plan, QWidget* parent = nullptr);
    ~SitesWindow() override;

    SurveyModel* survey() const { return m_survey; }
    // Adds the sites of a file; a file that gives none is told in a message.
    void importFile(const QString& path);
    // Selects the site's row in the sites' table (a map chose it).
    void selectSite(SiteId id);

signals:
    // The user moved to the row of a site in the sites' table.
    void siteSelected(tarvanel::SiteId id);

private:
    void tell(const QString& message);
    void showPlan();
    void chooseImport();
    void chooseFolder(bool asked);
    void showProgress(int done, int total);
    void surveyEnded(bool cancelled);
    void selectCurrentPair();

    Plan& m_plan;
    int m_listening = 0;
    std::unique_ptr<ElevationReader> m_reader; // reads vector files; loads its plugin on first use
    SitesModel* m_sites;
    SitesView* m_sitesView;
    SurveyModel* m_survey;
    SurveyView* m_surveyView;
    QComboBox* m_from;
    QCheckBox* m_withGround;
    QPushButton* m_folder;
    QLabel* m_folderName;
    QProgressBar* m_progress;
    QPushButton* m_stop;
    QLabel* m_status;
    SpokenNotice* m_notice;
};

// The main window's entry that opens the sites' window (made the first time),
// "Τοποθεσίες και έρευνα...", Ctrl+Shift+T, added to `window`'s actions.
QAction* addSitesWindowAction(QWidget* window, Plan& plan);

} // namespace tarvanel
