#pragma once

#include "elevation/elevation_folder.h"
#include "elevation/elevation_sampling.h"

namespace tarvanel {

// Fills the profile's ground at the ends, its samples and their spacing from
// the folder's files (see elevation_sampling.h). The positions must be in
// range.
void groundAlongPath(const ElevationRequest& request, ElevationFolder& folder,
                     ElevationProfile& profile);

} // namespace tarvanel
