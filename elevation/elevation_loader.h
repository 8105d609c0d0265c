#pragma once

#include "elevation/elevation_sampling.h"
#include "elevation/elevation_session.h"
#include "elevation/feature_writing.h"
#include "elevation/point_file.h"
#include "elevation/raster_map.h"
#include "elevation/shaded_relief.h"
#include "elevation/viewshed.h"

#include <QLibrary>
#include <QMutex>
#include <QStringList>

#include <memory>

namespace tarvanel {

// The folders searched for the GDAL plugin, in order: beside the program (as
// in the build tree), then where it is installed (relative to the program,
// then the configured install folder). Needs a QCoreApplication.
QStringList elevationPluginFolders();

class ElevationSession;

// Reaches the GDAL plugin, which it loads on the first request (so that
// start-up does not load GDAL) and keeps loaded. A plugin that is missing or
// does not load is looked for again on the next request. Requests may come
// from several threads at once; each result's error (Greek) says when the
// plugin is missing or would not load.
class ElevationReader {
public:
    explicit ElevationReader(QStringList folders = elevationPluginFolders());

    // The ground along a path.
    ElevationProfile sample(const ElevationRequest& request);
    // Many paths from one folder (see elevation_session.h); never null.
    std::unique_ptr<ElevationSession> openSession(const std::string& folderUtf8);
    // Sites from a KML, GeoJSON, GPX or other vector file.
    PointFile readPointFile(const std::string& fileUtf8);
    // Points and lines to KML or GeoJSON.
    FeatureWritingResult writeFeatures(const FeatureWriting& request);
    // The ground of an area as a shaded, tinted picture.
    ShadedRelief shadeRelief(const ReliefRequest& request);
    // What a mast at a site sees; request.progress may cancel it.
    Viewshed computeViewshed(const ViewshedRequest& request);
    // A map the user has (MBTiles, GeoPackage) laid on the relief's grid.
    RasterMapPicture readRasterMap(const RasterMapRequest& request);

    // The plugin's file once loaded; empty before.
    QString pluginFile() const;

private:
    struct Entries {
        SampleElevation* sample = nullptr;
        OpenElevationSession* openSession = nullptr;
        SampleInSession* sampleInSession = nullptr;
        CloseElevationSession* closeSession = nullptr;
        ReadPointFile* readPointFile = nullptr;
        WriteFeatures* writeFeatures = nullptr;
        ShadeRelief* shadeRelief = nullptr;
        ComputeViewshed* computeViewshed = nullptr;
        ReadRasterMap* readRasterMap = nullptr;
    };
    // The entries, loading the plugin if need be; null with the error told.
    const Entries* entries(QString& error);
    const Entries* load(QString& error);
    template <typename Result, typename Request>
    Result call(void (*Entries::*entry)(const Request&, Result&), const Request& request);

    QStringList m_folders;
    mutable QMutex m_mutex;
    QLibrary m_library;
    Entries m_entries;
    bool m_loaded = false;
};

// A folder listed once by the plugin, sampled path after path; closed with
// the session. Used by one thread at a time (any thread). Its reader must
// outlive it.
class ElevationSession {
public:
    ~ElevationSession();
    ElevationSession(const ElevationSession&) = delete;
    ElevationSession& operator=(const ElevationSession&) = delete;

    // As ElevationReader::sample for the session's folder.
    ElevationProfile sample(const Position& end1, const Position& end2);

private:
    friend class ElevationReader;
    ElevationSession() = default;

    SampleInSession* m_sample = nullptr;
    CloseElevationSession* m_close = nullptr;
    ElevationSessionData* m_data = nullptr;
    std::string m_error; // why there is no data: the plugin did not load, or memory ran out
};

} // namespace tarvanel
