// Opens the window with a plan of sites, opens the sites' window by its
// shortcut, waits for the survey and saves a picture of that window:
//   sites_screenshot OUTPUT.png worked   the four sites of the README's worked
//                                        figures, flat, surveyed from A
//   sites_screenshot OUTPUT.png many     200 sites within a synthetic 1" tile
//                                        written for it, surveyed over it
#include "app/frm_main.h"
#include "sites/sites_window.h"
#include "survey/survey_model.h"
#include "tests/elevation/synthetic_tiles.h"
#include "tests/survey/worked_sites.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <random>

namespace tarvanel {
namespace {

void manySites(Plan& plan, const std::string& folder) {
    plan.replace(testing::workedSites());
    writeFile(folder + "/N37E023.hgt", hgtBytes(
                                           37, 23,
                                           [](double lat, double lon) {
                                               return 800.0 + 400.0 * std::sin(lat * 40.0) *
                                                                  std::cos(lon * 30.0);
                                           },
                                           3600));
    std::mt19937 random(200);
    std::uniform_real_distribution<double> degrees(0.02, 0.98);
    while (plan.sites().size() < 200) {
        const std::string position =
            std::to_string(37 + degrees(random)) + ", " + std::to_string(23 + degrees(random));
        const std::string name = "Κόμβος " + std::to_string(plan.sites().size() + 1);
        plan.addSite(testing::placed(*plan.site(plan.current().ends[1]), name.c_str(),
                                     position.c_str(), "", "15"));
    }
    Site a = *plan.site(plan.surveySite());
    a.position = "37.5, 23.5";
    a.ground.clear();
    plan.setSite(a);
    plan.setSurveyFolder(folder);
}

} // namespace
} // namespace tarvanel

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png worked|many\n", argv[0]);
        return 2;
    }
    QTemporaryDir folder;
    tarvanel::FrmMain form;
    if (QByteArray(argv[2]) == "many")
        tarvanel::manySites(form.plan(), folder.path().toStdString());
    else
        form.plan().replace(tarvanel::testing::workedSites());
    form.show();
    for (QAction* action : form.actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T)) action->trigger();
    auto* window = form.findChild<tarvanel::SitesWindow*>();
    if (!window) return 1;
    (void)QTest::qWaitForWindowExposed(window);
    tarvanel::SurveyModel* survey = window->survey();
    (void)QTest::qWaitFor([&] { return survey->waiting() == 0; }, 60000);
    QTest::qWait(300);
    QPixmap picture;
    if (QScreen* screen = window->screen()) picture = screen->grabWindow(window->winId());
    if (picture.isNull()) picture = window->grab();
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
