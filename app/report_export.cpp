#include "app/report_export.h"

#include "app/link_summary.h"
#include "app/plan_verdicts.h"
#include "app/product_name.h"
#include "app/report_verdict.h"
#include "elevation/elevation_folder_setting.h"
#include "elevation/elevation_loader.h"
#include "map/link_map.h"
#include "path/path_side_view.h"
#include "report/link_report.h"
#include "survey/survey_output.h"
#include "texts/link_texts.h"
#include "widgets/qt_number_locale.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace tarvanel {

namespace {

const QString kFolderKey = QStringLiteral("report/folder");
const QString kTitle = QStringLiteral("Αναφορά PDF");

// A link's report, with `survey` after its sheet when it has a heading.
LinkReport linkReport(const Plan& plan, LinkId link, const QString& planName,
                      const ReportSources& sources, const SheetSection& survey) {
    const QLocale locale;
    const NumberLocale numbers = numberLocaleFrom(locale);
    const LinkInputs inputs = plan.inputs(link);
    const LinkFigures figures = linkFigures(inputs, numbers);
    const LinkTexts texts = linkTexts(figures, inputs, numbers);
    LinkReport report{planName,
                      QDate::currentDate(),
                      linkSheetOf(inputs, texts, locale, survey),
                      reportVerdict(figures, texts, numbers),
                      {},
                      {},
                      {},
                      {},
                      QStringLiteral("Ζεύξη %1 – %2")
                          .arg(QString::fromStdString(plan.site(plan.link(link)->ends[0])->name),
                               QString::fromStdString(plan.site(plan.link(link)->ends[1])->name))};
    if (figures.path.profile.distanceKm)
        report.drawSideView = [profile = figures.path.profile](QPainter& painter,
                                                               const QRectF& box) {
            paintPathSide(painter, box, profile);
        };
    if (!sources.elevationFolder.isEmpty())
        report.drawMap = [&plan, link, sources](QPainter& painter, const QRectF& box) {
            paintLinkMap(painter, box, plan, link, sources.reader, sources.elevationFolder);
        };
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    for (std::size_t i = 0; i < inputs.path.points.size(); ++i) {
        const ProfilePointFields& point = inputs.path.points[i];
        const PointTexts row = pointTexts(figures.path.points[i], numbers);
        report.points.push_back({q(point.distanceKm), q(point.groundM), q(point.clutterM),
                                 q(row.clearance), q(row.share)});
    }
    for (const RateRowTexts& row : texts.rates.rows)
        report.rates.push_back({q(row.name), q(row.megabits), q(row.sensitivity), q(row.distance),
                                q(row.margin),
                                row.margin.empty() ? Tone::Plain
                                : row.marginMet    ? Tone::Good
                                                   : Tone::Bad});
    return report;
}

// "This link" or "every link", asked only of a plan of more than one; none
// when the question is cancelled.
std::optional<bool> askEveryLink(QWidget* parent, const Plan& plan) {
    if (plan.links().size() < 2) return false;
    QMessageBox ask(QMessageBox::Question, kTitle,
                    QStringLiteral("Αναφορά της τρέχουσας ζεύξης ή όλων των ζεύξεων του "
                                   "σχεδίου;"),
                    QMessageBox::Cancel, parent);
    QPushButton* one = ask.addButton(QStringLiteral("Αυτή η ζεύξη"), QMessageBox::AcceptRole);
    QPushButton* every = ask.addButton(
        QStringLiteral("Όλες οι ζεύξεις (%1)").arg(plan.links().size()), QMessageBox::AcceptRole);
    ask.setDefaultButton(one);
    ask.exec();
    if (ask.clickedButton() == one) return false;
    if (ask.clickedButton() == every) return true;
    return std::nullopt;
}

} // namespace

LinkReport reportOf(const Plan& plan, LinkId link, const QString& planName,
                    const ReportSources& sources) {
    return linkReport(plan, link, planName, sources,
                      surveySectionNow(plan, sources.reader, numberLocaleFrom(QLocale())));
}

PlanReport planReportOf(const Plan& plan, const QString& planName, const ReportSources& sources) {
    const NumberLocale numbers = numberLocaleFrom(QLocale());
    PlanReport report{
        planName, QDate::currentDate(), productTitle(), planVerdicts(plan, numbers), {}, {}, {}};
    if (!sources.elevationFolder.isEmpty())
        report.drawMap = [&plan, sources](QPainter& painter, const QRectF& box) {
            paintPlanMap(painter, box, plan, sources.reader, sources.elevationFolder);
        };
    if (SheetSection survey = surveySectionNow(plan, sources.reader, numbers);
        !survey.heading.empty())
        report.sections.push_back(std::move(survey));
    for (const Link& link : plan.links())
        report.links.push_back(linkReport(plan, link.id, planName, sources, {}));
    return report;
}

void exportReport(QWidget* parent, const Plan& plan, const QString& planFile) {
    const std::optional<bool> every = askEveryLink(parent, plan);
    if (!every) return;
    // The plan's name beside the plan; a new plan's report in the last report's folder.
    const QFileInfo planInfo(planFile);
    const QString name = planFile.isEmpty() ? QString() : planInfo.completeBaseName();
    QSettings settings;
    const QString folder = planFile.isEmpty()
                               ? settings.value(kFolderKey, QDir::homePath()).toString()
                               : planInfo.absolutePath();
    const QString unnamed = *every ? QStringLiteral("σχέδιο") : QStringLiteral("ζεύξη");
    const QString suggested =
        QDir(folder).filePath((name.isEmpty() ? unnamed : name) + QStringLiteral(".pdf"));
    const QString path =
        QFileDialog::getSaveFileName(parent, kTitle, suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
    ElevationReader reader;
    QString elevationFolder =
        settings.value(QString::fromLatin1(kElevationFolderSetting)).toString();
    if (!elevationFolder.isEmpty() && !QDir(elevationFolder).exists()) elevationFolder.clear();
    const ReportSources sources{reader, elevationFolder};
    QString error;
    const bool written =
        *every ? writePlanReport(path, planReportOf(plan, name, sources), &error)
               : writeLinkReport(path, reportOf(plan, plan.currentLink(), name, sources), &error);
    if (!written) QMessageBox::warning(parent, kTitle, error);
}

} // namespace tarvanel
