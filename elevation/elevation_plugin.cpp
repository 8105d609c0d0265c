// The plugin's entries: each runs one job (plugin_jobs.h) with GDAL quiet,
// keeps every exception inside and tells failures in Greek.
#include "elevation/elevation_profile.h"
#include "elevation/gdal_call.h"
#include "elevation/plugin_jobs.h"

#include <filesystem>
#include <new>
#include <string>
#include <type_traits>

#define TARVANEL_ENTRY extern "C" __attribute__((visibility("default")))

namespace {
// Runs the job; what it throws empties the result and names what failed:
// "Η μνήμη δεν έφτασε για " + what, or that the job stopped unexpectedly.
template <typename Result, typename Job>
void guarded(Result& result, const std::string& what, const Job& job) noexcept {
    try {
        try {
            const tarvanel::GdalCall gdal;
            job();
        } catch (const std::bad_alloc&) {
            result = {};
            result.error = "Η μνήμη δεν έφτασε για " + what + ".";
        } catch (...) {
            result = {};
            result.error = "Η εργασία για " + what + " διακόπηκε απρόσμενα.";
        }
    } catch (...) { // no memory even for the message
        result = {};
    }
}
} // namespace

TARVANEL_ENTRY void tarvanel_sample_elevation_v1(const tarvanel::ElevationRequest& request,
                                                 tarvanel::ElevationProfile& profile) {
    guarded(profile, "τα υψόμετρα της διαδρομής", [&] {
        tarvanel::ElevationFolder folder{std::filesystem::path(request.folderUtf8)};
        tarvanel::profileFromFolder(request.folderUtf8, folder, request.end1, request.end2,
                                    profile);
    });
}

TARVANEL_ENTRY tarvanel::ElevationSessionData*
tarvanel_open_elevation_session_v1(const std::string& folderUtf8) {
    try {
        const tarvanel::GdalCall gdal;
        return tarvanel::openSession(folderUtf8);
    } catch (...) {
        return nullptr;
    }
}

TARVANEL_ENTRY void tarvanel_sample_in_session_v1(tarvanel::ElevationSessionData& session,
                                                  const tarvanel::Position& end1,
                                                  const tarvanel::Position& end2,
                                                  tarvanel::ElevationProfile& profile) {
    guarded(profile, "τα υψόμετρα της διαδρομής",
            [&] { tarvanel::sampleInSession(session, end1, end2, profile); });
}

TARVANEL_ENTRY void tarvanel_close_elevation_session_v1(tarvanel::ElevationSessionData* session) {
    try {
        const tarvanel::GdalCall gdal;
        tarvanel::closeSession(session);
    } catch (...) { // GDAL could not be made quiet: the files are closed all the same
        tarvanel::closeSession(session);
    }
}

TARVANEL_ENTRY void tarvanel_read_point_file_v1(const std::string& fileUtf8,
                                                tarvanel::PointFile& result) {
    guarded(result, "το αρχείο «" + fileUtf8 + "»",
            [&] { tarvanel::readPointFile(fileUtf8, result); });
}

TARVANEL_ENTRY void tarvanel_write_features_v1(const tarvanel::FeatureWriting& request,
                                               tarvanel::FeatureWritingResult& result) {
    guarded(result, "την εγγραφή του «" + request.fileUtf8 + "»",
            [&] { tarvanel::writeFeatures(request, result); });
}

TARVANEL_ENTRY void tarvanel_shade_relief_v1(const tarvanel::ReliefRequest& request,
                                             tarvanel::ShadedRelief& result) {
    guarded(result, "το ανάγλυφο του χάρτη", [&] { tarvanel::shadeRelief(request, result); });
}

TARVANEL_ENTRY void tarvanel_compute_viewshed_v1(const tarvanel::ViewshedRequest& request,
                                                 tarvanel::Viewshed& result) {
    guarded(result, "την ορατότητα από τη θέση",
            [&] { tarvanel::computeViewshed(request, result); });
}

TARVANEL_ENTRY void tarvanel_read_raster_map_v1(const tarvanel::RasterMapRequest& request,
                                                tarvanel::RasterMapPicture& result) {
    guarded(result, "τον χάρτη «" + request.fileUtf8 + "»",
            [&] { tarvanel::readRasterMap(request, result); });
}

// The loader calls them through these types.
static_assert(std::is_same_v<decltype(tarvanel_sample_elevation_v1), tarvanel::SampleElevation>);
static_assert(
    std::is_same_v<decltype(tarvanel_open_elevation_session_v1), tarvanel::OpenElevationSession>);
static_assert(std::is_same_v<decltype(tarvanel_sample_in_session_v1), tarvanel::SampleInSession>);
static_assert(
    std::is_same_v<decltype(tarvanel_close_elevation_session_v1), tarvanel::CloseElevationSession>);
static_assert(std::is_same_v<decltype(tarvanel_read_point_file_v1), tarvanel::ReadPointFile>);
static_assert(std::is_same_v<decltype(tarvanel_write_features_v1), tarvanel::WriteFeatures>);
static_assert(std::is_same_v<decltype(tarvanel_shade_relief_v1), tarvanel::ShadeRelief>);
static_assert(std::is_same_v<decltype(tarvanel_compute_viewshed_v1), tarvanel::ComputeViewshed>);
static_assert(std::is_same_v<decltype(tarvanel_read_raster_map_v1), tarvanel::ReadRasterMap>);
