#include "app/report_export.h"

#include "app/link_summary.h"
#include "app/report_verdict.h"
#include "path/path_side_view.h"
#include "report/link_report.h"
#include "texts/link_texts.h"
#include "widgets/qt_number_locale.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace tarvanel {

namespace {
const QString kFolderKey = QStringLiteral("report/folder");
} // namespace

LinkReport reportOf(const LinkInputs& inputs, const QString& planName) {
    const QLocale locale;
    const NumberLocale numbers = numberLocaleFrom(locale);
    const LinkFigures figures = linkFigures(inputs, numbers);
    const LinkTexts texts = linkTexts(figures, inputs, numbers);
    LinkReport report{planName,
                      QDate::currentDate(),
                      linkSheetOf(inputs, texts, locale),
                      reportVerdict(figures, texts, numbers),
                      {},
                      {},
                      {}};
    if (figures.path.profile.distanceKm)
        report.drawSideView = [profile = figures.path.profile](QPainter& painter,
                                                               const QRectF& box) {
            paintPathSide(painter, box, profile);
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

void exportReport(QWidget* parent, const LinkInputs& inputs, const QString& planFile) {
    // The plan's name beside the plan; a new plan's report in the last report's folder.
    const QFileInfo plan(planFile);
    const QString name = planFile.isEmpty() ? QString() : plan.completeBaseName();
    QSettings settings;
    const QString folder = planFile.isEmpty()
                               ? settings.value(kFolderKey, QDir::homePath()).toString()
                               : plan.absolutePath();
    const QString suggested = QDir(folder).filePath(
        (name.isEmpty() ? QStringLiteral("ζεύξη") : name) + QStringLiteral(".pdf"));
    const QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Αναφορά PDF"),
                                                      suggested, QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty()) return;
    settings.setValue(kFolderKey, QFileInfo(path).absolutePath());
    QString error;
    if (!writeLinkReport(path, reportOf(inputs, name), &error))
        QMessageBox::warning(parent, QStringLiteral("Αναφορά PDF"), error);
}

} // namespace tarvanel
