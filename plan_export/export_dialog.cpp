#include "plan_export/export_dialog.h"

#include "elevation/elevation_loader.h"
#include "plan_export/plan_features.h"
#include "widgets/qt_number_locale.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace tarvanel {

namespace {

const QString kFolderKey = QStringLiteral("export/folder");
const QString kTitle = QStringLiteral("Εξαγωγή σχεδίου");

// The dialog's types: each a format, with or without the Fresnel outline.
struct FileType {
    QString filter;
    FeatureFormat format;
    bool fresnelOutline;
};
const FileType kTypes[] = {
    {QStringLiteral("KML για το Google Earth (*.kml)"), FeatureFormat::kml, false},
    {QStringLiteral("KML με τη ζώνη Fresnel της τρέχουσας ζεύξης (*.kml)"), FeatureFormat::kml,
     true},
    {QStringLiteral("GeoJSON (*.geojson)"), FeatureFormat::geoJson, false},
    {QStringLiteral("GeoJSON με τη ζώνη Fresnel της τρέχουσας ζεύξης (*.geojson)"),
     FeatureFormat::geoJson, true},
};

QString suffixOf(FeatureFormat format) {
    return format == FeatureFormat::kml ? QStringLiteral("kml") : QStringLiteral("geojson");
}

} // namespace

QString exportPlan(QWidget* parent, const Plan& plan) {
    QStringList filters;
    for (const FileType& type : kTypes)
        filters << type.filter;
    QSettings settings;
    QString chosen = filters.front();
    QString file =
        QFileDialog::getSaveFileName(parent, kTitle,
                                     QDir(settings.value(kFolderKey, QDir::homePath()).toString())
                                         .filePath(QStringLiteral("σχέδιο.kml")),
                                     filters.join(QStringLiteral(";;")), &chosen);
    if (file.isEmpty()) return {};
    const FileType& type = kTypes[std::max<qsizetype>(0, filters.indexOf(chosen))];
    // A typed ending names the format; none takes the type's.
    const QString suffix = QFileInfo(file).suffix().toLower();
    FeatureFormat format = type.format;
    if (suffix == QLatin1String("kml"))
        format = FeatureFormat::kml;
    else if (suffix == QLatin1String("geojson") || suffix == QLatin1String("json"))
        format = FeatureFormat::geoJson;
    else
        file += QLatin1Char('.') + suffixOf(format);
    settings.setValue(kFolderKey, QFileInfo(file).absolutePath());

    const NumberLocale locale = numberLocaleFrom(QLocale());
    ElevationReader reader;
    const FeatureWritingResult written = reader.writeFeatures(
        {file.toStdString(), format, planFeatures(plan, locale, type.fresnelOutline)});
    if (!written.error.empty()) {
        QMessageBox::warning(parent, kTitle, QString::fromStdString(written.error));
        return {};
    }
    return QStringLiteral("Γράφτηκε το %1.").arg(QDir::toNativeSeparators(file));
}

QAction* addExportAction(QWidget* window, const Plan& plan) {
    auto* action = new QAction(QStringLiteral("Εξαγωγή..."), window);
    action->setToolTip(QStringLiteral(
        "Οι τοποθεσίες και οι ζεύξεις σε αρχείο για το Google Earth ή για προγράμματα χαρτών"));
    QObject::connect(action, &QAction::triggered, window,
                     [window, &plan] { exportPlan(window, plan); });
    window->addAction(action);
    return action;
}

} // namespace tarvanel
