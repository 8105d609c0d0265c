#pragma once

namespace tarvanel {

// Where the user's elevation folder is remembered (a QSettings key): the path
// panel asks for it, the map draws its relief from it.
inline constexpr char kElevationFolderSetting[] = "elevation/folder";

} // namespace tarvanel
