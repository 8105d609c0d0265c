#include "app/ground_from_files.h"

#include "elevation/elevation_folder_setting.h"
#include "elevation/elevation_loader.h"
#include "geo/geo_position.h"
#include "numbers/number_text.h"
#include "widgets/qt_number_locale.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>

namespace tarvanel {

namespace {

const QString kTitle = QStringLiteral("Έδαφος από αρχεία υψομέτρων");
const QString kFolderKey = QString::fromLatin1(kElevationFolderSetting);

// A number as the files give it, written as the user's locale writes numbers.
std::string written(double value, DisplayPattern pattern) {
    return formatPattern(value, pattern, numberLocaleFrom(QLocale()));
}

// What the user should know of a reading that gave ground: tiles missing,
// files that would not read, void cells.
QString remarksOn(const ElevationProfile& profile) {
    QStringList remarks;
    if (!profile.missingTiles.empty()) {
        QStringList tiles;
        for (const std::string& tile : profile.missingTiles)
            tiles << QString::fromStdString(tile);
        remarks << QStringLiteral("Λείπουν τα πλακίδια: %1.").arg(tiles.join(QStringLiteral(", ")));
    }
    if (!profile.unreadableFiles.empty())
        remarks << QStringLiteral("%1 αρχεία δεν διαβάστηκαν.").arg(profile.unreadableFiles.size());
    if (profile.voidCells > 0)
        remarks << QStringLiteral("%1 κενά κελιά: τα σημεία πάνω τους παραλείφθηκαν.")
                       .arg(profile.voidCells);
    return remarks.join(QLatin1Char('\n'));
}

} // namespace

std::optional<LinkInputs> groundFromFiles(QWidget* parent, const LinkInputs& inputs,
                                          ElevationReader& reader) {
    const NumberLocale locale = numberLocaleFrom(QLocale());
    const PositionReading end1 = readPosition(inputs.position1, locale);
    const PositionReading end2 = readPosition(inputs.position2, locale);
    if (!end1.ok() || !end2.ok()) {
        QMessageBox::information(parent, kTitle,
                                 QStringLiteral("Γράψτε πρώτα τις θέσεις των δύο άκρων."));
        return std::nullopt;
    }
    QSettings settings;
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Φάκελος με αρχεία υψομέτρων (.hgt, GeoTIFF)"),
        settings.value(kFolderKey, QDir::homePath()).toString());
    if (folder.isEmpty()) return std::nullopt;
    settings.setValue(kFolderKey, folder);

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ElevationProfile profile =
        reader.sample({folder.toStdString(), end1.position, end2.position});
    QApplication::restoreOverrideCursor();
    if (profile.samples.empty() && !profile.ground1M && !profile.ground2M) {
        QString problem = QString::fromStdString(profile.error);
        const QString remarks = remarksOn(profile);
        if (!remarks.isEmpty())
            problem += (problem.isEmpty() ? QString() : QStringLiteral("\n")) + remarks;
        QMessageBox::warning(parent, kTitle, problem);
        return std::nullopt;
    }
    LinkInputs filled = inputs;
    PathFields& path = filled.path;
    if (profile.ground1M) path.ground1 = written(*profile.ground1M, DisplayPattern::OneDecimal);
    if (profile.ground2M) path.ground2 = written(*profile.ground2M, DisplayPattern::OneDecimal);
    path.points.clear();
    for (const GroundSample& sample : profile.samples)
        path.points.push_back({written(sample.km, DisplayPattern::ThreeDecimals),
                               written(sample.groundM, DisplayPattern::OneDecimal), ""});
    path.pointsSource = kElevationFilesSource;
    path.pointsSource.append(", ").append(QDir(folder).dirName().toStdString());
    if (const QString remarks = remarksOn(profile); !remarks.isEmpty())
        QMessageBox::information(parent, kTitle, remarks);
    return filled;
}

} // namespace tarvanel
