#pragma once

#include "elevation/elevation_sampling.h"

#include <QLibrary>
#include <QMutex>
#include <QStringList>

namespace tarvanel {

// The folders searched for the GDAL plugin, in order: beside the program (as
// in the build tree), then where it is installed (relative to the program,
// then the configured install folder). Needs a QCoreApplication.
QStringList elevationPluginFolders();

// Reads the ground along a path through the plugin, which it loads on the
// first request (so that start-up does not load GDAL) and keeps loaded. A
// plugin that is missing or does not load is looked for again on the next
// request. Requests may come from several threads.
class ElevationReader {
public:
    explicit ElevationReader(QStringList folders = elevationPluginFolders());

    // The profile, or one whose error (Greek) says that the plugin is missing
    // or would not load.
    ElevationProfile sample(const ElevationRequest& request);
    // The plugin's file once loaded; empty before.
    QString pluginFile() const;

private:
    SampleElevation* load(QString& error);

    QStringList folders_;
    mutable QMutex mutex_;
    QLibrary library_;
    SampleElevation* sample_ = nullptr;
};

} // namespace tarvanel
