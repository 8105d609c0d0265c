#include "elevation/elevation_profile.h"
#include "elevation/plugin_jobs.h"

#include <filesystem>

namespace tarvanel {

struct ElevationSessionData {
    std::string folderUtf8;
    ElevationFolder folder;
};

ElevationSessionData* openSession(const std::string& folderUtf8) {
    return new ElevationSessionData{folderUtf8, ElevationFolder{std::filesystem::path(folderUtf8)}};
}

void sampleInSession(ElevationSessionData& session, const Position& end1, const Position& end2,
                     ElevationProfile& profile) {
    profileFromFolder(session.folderUtf8, session.folder, end1, end2, profile);
}

void closeSession(ElevationSessionData* session) {
    delete session;
}

} // namespace tarvanel
