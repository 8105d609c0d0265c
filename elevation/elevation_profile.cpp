#include "elevation/elevation_profile.h"

#include "elevation/ground_along_path.h"

#include <cmath>

namespace tarvanel {

namespace {
bool inRange(const Position& p) {
    return std::fabs(p.latitude) <= 90.0 && std::fabs(p.longitude) <= 180.0;
}

// Why nothing was read, naming what to look at.
std::string nothingReadText(const std::string& folderUtf8, const ElevationFolder& folder,
                            const ElevationProfile& profile) {
    if (!folder.listed()) return unreadableFolderText(folderUtf8);
    if (!folder.unreadableOnPath().empty())
        return "Το αρχείο «" + folder.unreadableOnPath() +
               "» δεν διαβάζεται ως υψομετρικό μοντέλο σε γεωγραφικές συντεταγμένες.";
    if (profile.voidCells > 0)
        return "Το αρχείο «" + folder.fileWithVoids() +
               "» έχει μόνο κενά κατά μήκος της διαδρομής.";
    if (!profile.missingTiles.empty()) return missingTilesText(profile.missingTiles);
    return "Ο φάκελος «" + folderUtf8 + "» δεν έχει υψόμετρα για τη διαδρομή.";
}
} // namespace

std::string unreadableFolderText(const std::string& folderUtf8) {
    return "Ο φάκελος «" + folderUtf8 + "» δεν διαβάζεται.";
}

std::string missingTilesText(const std::vector<std::string>& tiles) {
    if (tiles.size() == 1) return "Λείπει το πλακίδιο " + tiles.front() + " από τον φάκελο.";
    std::string names;
    for (std::size_t i = 0; i < tiles.size() && i < 3; ++i)
        names += (i > 0 ? ", " : "") + tiles[i];
    return "Λείπουν τα πλακίδια " + names + (tiles.size() > 3 ? " κ.ά." : "") + " από τον φάκελο.";
}

void profileFromFolder(const std::string& folderUtf8, ElevationFolder& folder, const Position& end1,
                       const Position& end2, ElevationProfile& profile) {
    profile = {};
    if (!inRange(end1) || !inRange(end2)) {
        profile.error = "Οι θέσεις των άκρων είναι εκτός ορίων.";
        return;
    }
    folder.beginRequest();
    if (folder.listed()) groundAlongPath({folderUtf8, end1, end2}, folder, profile);
    profile.missingTiles = folder.missingTiles();
    profile.unreadableFiles = folder.unreadableFiles();
    profile.voidCells = folder.voidCells();
    if (profile.samples.empty() && !profile.ground1M && !profile.ground2M)
        profile.error = nothingReadText(folderUtf8, folder, profile);
}

} // namespace tarvanel
