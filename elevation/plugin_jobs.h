#pragma once

#include "elevation/elevation_session.h"
#include "elevation/feature_writing.h"
#include "elevation/point_file.h"
#include "elevation/raster_map.h"
#include "elevation/shaded_relief.h"
#include "elevation/viewshed.h"

namespace tarvanel {

// The plugin's jobs, each in a file of its own. The exported entries
// (elevation_plugin.cpp) call them with GDAL registered and quiet, and turn
// anything they throw into a Greek error.
ElevationSessionData* openSession(const std::string& folderUtf8);
void sampleInSession(ElevationSessionData& session, const Position& end1, const Position& end2,
                     ElevationProfile& profile);
void closeSession(ElevationSessionData* session);
void readPointFile(const std::string& fileUtf8, PointFile& result);
void writeFeatures(const FeatureWriting& request, FeatureWritingResult& result);
void shadeRelief(const ReliefRequest& request, ShadedRelief& result);
void computeViewshed(const ViewshedRequest& request, Viewshed& result);
void readRasterMap(const RasterMapRequest& request, RasterMapPicture& result);

} // namespace tarvanel
