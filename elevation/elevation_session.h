#pragma once

#include "elevation/elevation_sampling.h"

#include <string>

namespace tarvanel {

// Many paths read from one folder (a survey from one site to many others):
// the folder is listed once and its files stay open between requests. Each
// profile is the one tarvanel_sample_elevation_v1 gives for the same folder
// and ends. A session is used by one thread at a time.

// The plugin's own state; the loader only holds it.
struct ElevationSessionData;

// Lists the folder; null only when memory ran out. A folder that cannot be
// read is told by each profile, as the one-shot entry tells it.
using OpenElevationSession = ElevationSessionData*(const std::string& folderUtf8);
using SampleInSession = void(ElevationSessionData& session, const Position& end1,
                             const Position& end2, ElevationProfile& profile);
using CloseElevationSession = void(ElevationSessionData* session);

inline constexpr const char* openElevationSessionSymbol = "tarvanel_open_elevation_session_v1";
inline constexpr const char* sampleInSessionSymbol = "tarvanel_sample_in_session_v1";
inline constexpr const char* closeElevationSessionSymbol = "tarvanel_close_elevation_session_v1";

} // namespace tarvanel
