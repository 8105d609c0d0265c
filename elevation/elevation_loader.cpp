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
} // namespace

QStringList elevationPluginFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + '/' + installedFromProgram),
            QString::fromUtf8(installedDir)};
}

ElevationReader::ElevationReader(QStringList folders)
    : folders_(std::move(folders)) {}

const ElevationReader::Entries* ElevationReader::entries(QString& error) {
    const QMutexLocker lock(&mutex_);
    return loaded_ ? &entries_ : load(error);
}

const ElevationReader::Entries* ElevationReader::load(QString& error) {
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
    const auto resolve = [this]<typename Function>(Function*& entry, const char* symbol) {
        entry = reinterpret_cast<Function*>(library_.resolve(symbol));
        return entry != nullptr;
    };
    Entries& e = entries_;
    loaded_ = resolve(e.sample, sampleElevationSymbol) &&
              resolve(e.openSession, openElevationSessionSymbol) &&
              resolve(e.sampleInSession, sampleInSessionSymbol) &&
              resolve(e.closeSession, closeElevationSessionSymbol) &&
              resolve(e.readPointFile, readPointFileSymbol) &&
              resolve(e.writeFeatures, writeFeaturesSymbol) &&
              resolve(e.shadeRelief, shadeReliefSymbol) &&
              resolve(e.computeViewshed, computeViewshedSymbol) &&
              resolve(e.readRasterMap, readRasterMapSymbol);
    if (!loaded_) {
        library_.unload();
        error = QStringLiteral("Το πρόσθετο υψομέτρων %1 είναι άλλης έκδοσης.").arg(name);
        return nullptr;
    }
    return &entries_;
}

template <typename Result, typename Request>
Result ElevationReader::call(void (*Entries::*entry)(const Request&, Result&),
                             const Request& request) {
    QString error;
    const Entries* loaded = entries(error);
    Result result;
    if (loaded)
        (loaded->*entry)(request, result);
    else
        result.error = error.toStdString();
    return result;
}

ElevationProfile ElevationReader::sample(const ElevationRequest& request) {
    return call(&Entries::sample, request);
}

PointFile ElevationReader::readPointFile(const std::string& fileUtf8) {
    return call(&Entries::readPointFile, fileUtf8);
}

FeatureWritingResult ElevationReader::writeFeatures(const FeatureWriting& request) {
    return call(&Entries::writeFeatures, request);
}

ShadedRelief ElevationReader::shadeRelief(const ReliefRequest& request) {
    return call(&Entries::shadeRelief, request);
}

Viewshed ElevationReader::computeViewshed(const ViewshedRequest& request) {
    return call(&Entries::computeViewshed, request);
}

RasterMapPicture ElevationReader::readRasterMap(const RasterMapRequest& request) {
    return call(&Entries::readRasterMap, request);
}

std::unique_ptr<ElevationSession> ElevationReader::openSession(const std::string& folderUtf8) {
    std::unique_ptr<ElevationSession> session(new ElevationSession);
    QString error;
    if (const Entries* loaded = entries(error)) {
        session->sample_ = loaded->sampleInSession;
        session->close_ = loaded->closeSession;
        session->data_ = loaded->openSession(folderUtf8);
        if (!session->data_) error = QStringLiteral("Η μνήμη δεν έφτασε για τα υψόμετρα.");
    }
    session->error_ = error.toStdString();
    return session;
}

QString ElevationReader::pluginFile() const {
    const QMutexLocker lock(&mutex_);
    return loaded_ ? library_.fileName() : QString();
}

ElevationSession::~ElevationSession() {
    if (data_) close_(data_);
}

ElevationProfile ElevationSession::sample(const Position& end1, const Position& end2) {
    ElevationProfile profile;
    if (data_)
        sample_(*data_, end1, end2, profile);
    else
        profile.error = error_;
    return profile;
}

} // namespace tarvanel
