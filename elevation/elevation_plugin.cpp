// The plugin's entry: the one exported function, which keeps GDAL's messages
// and every exception inside and tells failures in Greek.
#include "elevation/elevation_folder.h"
#include "elevation/elevation_sampling.h"
#include "elevation/ground_along_path.h"

#include <cpl_error.h>
#include <gdal.h>

#include <cmath>
#include <filesystem>
#include <mutex>
#include <new>
#include <type_traits>

namespace tarvanel {

namespace {
bool inRange(const Position& p) {
    return std::fabs(p.latitude) <= 90.0 && std::fabs(p.longitude) <= 180.0;
}

// Silences GDAL's messages on this thread while a request is read: what went
// wrong is told in the profile.
struct QuietGdal {
    QuietGdal() { CPLPushErrorHandler(CPLQuietErrorHandler); }
    ~QuietGdal() { CPLPopErrorHandler(); }
    QuietGdal(const QuietGdal&) = delete;
    QuietGdal& operator=(const QuietGdal&) = delete;
};

std::string missingTilesText(const std::vector<std::string>& tiles) {
    if (tiles.size() == 1) return "Λείπει το πλακίδιο " + tiles.front() + " από τον φάκελο.";
    std::string names;
    for (std::size_t i = 0; i < tiles.size() && i < 3; ++i)
        names += (i > 0 ? ", " : "") + tiles[i];
    return "Λείπουν τα πλακίδια " + names + (tiles.size() > 3 ? " κ.ά." : "") + " από τον φάκελο.";
}

// Why nothing was read, naming what to look at.
std::string nothingReadText(const ElevationRequest& request, const ElevationFolder& folder,
                            const ElevationProfile& profile) {
    if (!folder.listed()) return "Ο φάκελος «" + request.folderUtf8 + "» δεν διαβάζεται.";
    if (!folder.unreadableOnPath().empty())
        return "Το αρχείο «" + folder.unreadableOnPath() +
               "» δεν διαβάζεται ως υψομετρικό μοντέλο σε γεωγραφικές συντεταγμένες.";
    if (profile.voidCells > 0)
        return "Το αρχείο «" + folder.fileWithVoids() +
               "» έχει μόνο κενά κατά μήκος της διαδρομής.";
    if (!profile.missingTiles.empty()) return missingTilesText(profile.missingTiles);
    return "Ο φάκελος «" + request.folderUtf8 + "» δεν έχει υψόμετρα για τη διαδρομή.";
}

void sample(const ElevationRequest& request, ElevationProfile& profile) {
    if (!inRange(request.end1) || !inRange(request.end2)) {
        profile.error = "Οι θέσεις των άκρων είναι εκτός ορίων.";
        return;
    }
    static std::once_flag registered;
    std::call_once(registered, GDALAllRegister);
    const QuietGdal quiet;
    ElevationFolder folder{std::filesystem::path(request.folderUtf8)};
    if (folder.listed()) groundAlongPath(request, folder, profile);
    profile.missingTiles = folder.missingTiles();
    profile.unreadableFiles = folder.unreadableFiles();
    profile.voidCells = folder.voidCells();
    if (profile.samples.empty() && !profile.ground1M && !profile.ground2M)
        profile.error = nothingReadText(request, folder, profile);
}
} // namespace

} // namespace tarvanel

extern "C" __attribute__((visibility("default"))) void
tarvanel_sample_elevation_v1(const tarvanel::ElevationRequest& request,
                             tarvanel::ElevationProfile& profile) {
    profile = {};
    try {
        tarvanel::sample(request, profile);
    } catch (const std::bad_alloc&) {
        profile = {};
        profile.error = "Η μνήμη δεν έφτασε για τα υψόμετρα της διαδρομής.";
    } catch (...) {
        profile = {};
        profile.error = "Η ανάγνωση των υψομέτρων διακόπηκε απρόσμενα.";
    }
}

// The loader calls it as a SampleElevation.
static_assert(std::is_same_v<decltype(tarvanel_sample_elevation_v1), tarvanel::SampleElevation>);
