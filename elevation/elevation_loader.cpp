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
    : m_folders(std::move(folders)) {}

const ElevationReader::Entries* ElevationReader::entries(QString& error) {
    const QMutexLocker lock(&m_mutex);
    return m_loaded ? &m_entries : load(error);
}

const ElevationReader::Entries* ElevationReader::load(QString& error) {
    const QString name = QString::fromUtf8(pluginName);
    QString file;
    for (const QString& folder : m_folders) {
        if (QFileInfo::exists(folder + '/' + name)) {
            file = folder + '/' + name;
            break;
        }
    }
    if (file.isEmpty()) {
        error = QStringLiteral("Δεν βρέθηκε το πρόσθετο ανάγνωσης υψομέτρων %1.").arg(name);
        return nullptr;
    }
    m_library.setFileName(file);
    if (!m_library.load()) {
        error = QStringLiteral(
                    "Το πρόσθετο υψομέτρων %1 δεν φορτώνεται (ίσως λείπει η βιβλιοθήκη GDAL).")
                    .arg(name);
        return nullptr;
    }
    const auto resolve = [this]<typename Function>(Function*& entry, const char* symbol) {
        entry = reinterpret_cast<Function*>(m_library.resolve(symbol));
        return entry != nullptr;
    };
    Entries& e = m_entries;
    m_loaded = resolve(e.sample, sampleElevationSymbol) &&
              resolve(e.openSession, openElevationSessionSymbol) &&
              resolve(e.sampleInSession, sampleInSessionSymbol) &&
              resolve(e.closeSession, closeElevationSessionSymbol) &&
              resolve(e.readPointFile, readPointFileSymbol) &&
              resolve(e.writeFeatures, writeFeaturesSymbol) &&
              resolve(e.shadeRelief, shadeReliefSymbol) &&
              resolve(e.computeViewshed, computeViewshedSymbol) &&
              resolve(e.readRasterMap, readRasterMapSymbol);
    if (!m_loaded) {
        m_library.unload();
        error = QStringLiteral("Το πρόσθετο υψομέτρων %1 είναι άλλης έκδοσης.").arg(name);
        return nullptr;
    }
    return &m_entries;
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
        session->m_sample = loaded->sampleInSession;
        session->m_close = loaded->closeSession;
        session->m_data = loaded->openSession(folderUtf8);
        if (!session->m_data) error = QStringLiteral("Η μνήμη δεν έφτασε για τα υψόμετρα.");
    }
    session->m_error = error.toStdString();
    return session;
}

QString ElevationReader::pluginFile() const {
    const QMutexLocker lock(&m_mutex);
    return m_loaded ? m_library.fileName() : QString();
}

ElevationSession::~ElevationSession() {
    if (m_data) m_close(m_data);
}

ElevationProfile ElevationSession::sample(const Position& end1, const Position& end2) {
    ElevationProfile profile;
    if (m_data)
        m_sample(*m_data, end1, end2, profile);
    else
        profile.error = m_error;
    return profile;
}

} // namespace tarvanel
