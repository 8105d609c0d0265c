#pragma once

#include "sites/site_rows.h"

#include <QString>

namespace tarvanel {

class ElevationReader;

// The rows of a file of sites: a CSV (.csv, .txt, .tsv) read as a pasted block
// (sites/site_rows.h), any other file through the elevation plugin (KML,
// GeoJSON, GPX waypoints, any vector file of points GDAL reads). A file that
// gives no site at all (it does not open, is damaged, is not a list of sites,
// holds no point) has no rows and one Greek sentence naming it and why.
struct SiteImport {
    std::vector<SiteRow> rows;
    QString problem;
};

SiteImport importSites(const QString& path, const Site& settings, ElevationReader& reader);

} // namespace tarvanel
