#include "elevation/elevation_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

namespace tarvanel {

namespace {
// Set by CMake: the plugin's file name, and where it is installed, relative
// to the program's folder and in full.
constexpr const char* pluginName = TARVANEL_ELEVATION_PLUGIN;
constexpr const char* installedFromProgram = TARVANEL_ELEVATION_FROM_BINDIR;
constexpr const char* installedDir = TARVANEL_ELEVATION_INSTALL_DIR;

ElevationProfile failed(QString error) {
    ElevationProfile profile;
    profile.error = error.toStdString();
    return profile;
}
} // namespace

QStringList elevationPluginFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + '/' + installedFromProgram),
            QString::fromUtf8(installedDir)};
}

ElevationReader::ElevationReader(QStringList folders)
    : folders_(std::move(folders)) {}

SampleElevation* ElevationReader::load(QString& error) {
    if (sample_) return sample_;
    const QString name = QString::fromUtf8(pluginName);
    QString file;
    for (const QString& folder : folders_) {
        if (QFileInfo::exists(folder + '/' + name)) {
            file = folder + '/' + name;
            break;
        }
    }
    if (file.isEmpty()) {
        error = QStringLiteral("Δεν βρέθηκε το πρόσθετο ανάγνωσης υψομέτρων %1.").arg(name);
        return nullptr;
    }
    library_.setFileName(file);
    if (!library_.load()) {
        error = QStringLiteral(
                    "Το πρόσθετο υψομέτρων %1 δεν φορτώνεται (ίσως λείπει η βιβλιοθήκη GDAL).")
                    .arg(name);
        return nullptr;
    }
    sample_ = reinterpret_cast<SampleElevation*>(library_.resolve(sampleElevationSymbol));
    if (!sample_) {
        library_.unload();
        error = QStringLiteral("Το πρόσθετο υψομέτρων %1 είναι άλλης έκδοσης.").arg(name);
    }
    return sample_;
}

ElevationProfile ElevationReader::sample(const ElevationRequest& request) {
    SampleElevation* function = nullptr;
    QString error;
    {
        const QMutexLocker lock(&mutex_);
        function = load(error);
    }
    if (!function) return failed(error);
    ElevationProfile profile;
    function(request, profile);
    return profile;
}

QString ElevationReader::pluginFile() const {
    const QMutexLocker lock(&mutex_);
    return sample_ ? library_.fileName() : QString();
}

} // namespace tarvanel
