#include "sites/site_import.h"

#include "elevation/elevation_loader.h"
#include "widgets/qt_number_locale.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace tarvanel {

SiteImport importSites(const QString& path, const Site& settings, ElevationReader& reader) {
    const NumberLocale locale = numberLocaleFrom(QLocale());
    const QString name = QFileInfo(path).fileName();
    SiteImport import;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt") ||
        suffix == QLatin1String("tsv")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            import.problem =
                QStringLiteral("Το αρχείο %1 δεν ανοίγει: %2").arg(name, file.errorString());
            return import;
        }
        import.rows = readSiteRows(file.readAll().toStdString(), settings, locale);
    } else {
        const PointFile points = reader.readPointFile(path.toStdString());
        if (!points.error.empty()) {
            import.problem = QString::fromStdString(points.error);
            return import;
        }
        import.rows = siteRowsOf(points.features, settings, locale);
    }
    const auto site =
        std::ranges::find_if(import.rows, [](const SiteRow& r) { return r.problem.empty(); });
    if (site != import.rows.end()) return import;
    import.problem =
        import.rows.empty()
            ? QStringLiteral("Το αρχείο %1 δεν έχει καμία γραμμή τοποθεσίας.").arg(name)
            : QStringLiteral("Το αρχείο %1 δεν έχει καμία τοποθεσία που διαβάζεται "
                             "(γραμμή %2: %3)")
                  .arg(name)
                  .arg(import.rows.front().line)
                  .arg(QString::fromStdString(import.rows.front().problem));
    import.rows.clear();
    return import;
}

} // namespace tarvanel
