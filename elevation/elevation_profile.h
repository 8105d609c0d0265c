#pragma once

#include "elevation/elevation_folder.h"
#include "elevation/elevation_sampling.h"

#include <string>

namespace tarvanel {

// The profile between the ends from a folder already listed, with what the
// request met and, when nothing was read, why (Greek, naming the folder, file
// or tiles). The one-shot entry and a session both answer through it.
void profileFromFolder(const std::string& folderUtf8, ElevationFolder& folder, const Position& end1,
                       const Position& end2, ElevationProfile& profile);

// "Ο φάκελος «/home/…/dem» δεν διαβάζεται."
std::string unreadableFolderText(const std::string& folderUtf8);

// "Λείπει το πλακίδιο N38E023.hgt από τον φάκελο." or the first three of many.
std::string missingTilesText(const std::vector<std::string>& tiles);

} // namespace tarvanel
