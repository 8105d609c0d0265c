#include "elevation/plugin_jobs.h"

#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace tarvanel {

namespace {
// A GPX file's track and route points only trace its tracks and routes.
bool tracePoints(GDALDataset& file, OGRLayer& layer) {
    const std::string name = layer.GetName();
    return EQUAL(file.GetDriverName(), "GPX") && (name == "track_points" || name == "route_points");
}

// The field that names a feature: "name" in any case, else the first text field.
int nameField(const OGRFeatureDefn& fields) {
    const int named = fields.GetFieldIndex("name");
    if (named >= 0) return named;
    for (int i = 0; i < fields.GetFieldCount(); ++i)
        if (fields.GetFieldDefn(i)->GetType() == OFTString) return i;
    return -1;
}

std::string notAPointReason(const OGRGeometry* geometry) {
    if (!geometry || geometry->IsEmpty()) return "Δεν έχει θέση.";
    switch (wkbFlatten(geometry->getGeometryType())) {
    case wkbLineString:
    case wkbMultiLineString:
        return "Είναι γραμμή (διαδρομή ή ίχνος), όχι σημείο.";
    case wkbPolygon:
    case wkbMultiPolygon:
        return "Είναι επιφάνεια, όχι σημείο.";
    default:
        return "Δεν είναι ένα σημείο.";
    }
}

// Opens the file with a GPX waypoint's <ele> as its z, as other formats give
// it: the GPX driver reads the option when it makes its layers, on this
// thread.
GDALDatasetUniquePtr openWithElevations(const std::string& fileUtf8) {
    const std::string before = CPLGetThreadLocalConfigOption("GPX_ELE_AS_25D", "");
    CPLSetThreadLocalConfigOption("GPX_ELE_AS_25D", "YES");
    GDALDatasetUniquePtr file(
        GDALDataset::Open(fileUtf8.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    CPLSetThreadLocalConfigOption("GPX_ELE_AS_25D", before.empty() ? nullptr : before.c_str());
    return file;
}

// Converts the layer's coordinates to WGS84 longitude, latitude; none needed
// when the layer has no coordinate system (taken as WGS84).
std::unique_ptr<OGRCoordinateTransformation> toWgs84(OGRLayer& layer) {
    const OGRSpatialReference* own = layer.GetSpatialRef();
    if (!own) return nullptr;
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    if (own->IsSame(&wgs84)) return nullptr;
    return std::unique_ptr<OGRCoordinateTransformation>(
        OGRCreateCoordinateTransformation(own, &wgs84));
}

PointFeature pointFeature(OGRFeature& feature, int named,
                          OGRCoordinateTransformation* transformation) {
    PointFeature point;
    if (named >= 0 && feature.IsFieldSetAndNotNull(named))
        point.name = feature.GetFieldAsString(named);
    for (int i = 0; i < feature.GetFieldCount(); ++i)
        if (i != named && feature.IsFieldSetAndNotNull(i))
            point.attributes.emplace_back(feature.GetFieldDefnRef(i)->GetNameRef(),
                                          feature.GetFieldAsString(i));
    const OGRGeometry* geometry = feature.GetGeometryRef();
    if (!geometry || geometry->IsEmpty() || wkbFlatten(geometry->getGeometryType()) != wkbPoint) {
        point.reason = notAPointReason(geometry);
        return point;
    }
    const OGRPoint& at = *geometry->toPoint();
    double x = at.getX(), y = at.getY();
    if (transformation && !transformation->Transform(1, &x, &y)) {
        point.reason = "Οι συντεταγμένες του δεν μετατρέπονται σε WGS84.";
        return point;
    }
    if (!(std::fabs(y) <= 90.0 && std::fabs(x) <= 180.0)) {
        point.reason = "Οι συντεταγμένες του είναι εκτός ορίων.";
        return point;
    }
    point.position = {y, x};
    if (at.Is3D()) point.altitudeM = at.getZ();
    return point;
}
} // namespace

void readPointFile(const std::string& fileUtf8, PointFile& result) {
    result = {};
    const std::string name = std::filesystem::path(fileUtf8).filename().string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(fileUtf8), error)) {
        result.error = "Το αρχείο «" + name + "» δεν υπάρχει.";
        return;
    }
    const GDALDatasetUniquePtr file = openWithElevations(fileUtf8);
    if (!file) {
        result.error = "Το αρχείο «" + name +
                       "» δεν διαβάζεται: είναι κατεστραμμένο ή δεν είναι αρχείο σημείων "
                       "(KML, GeoJSON, GPX ή άλλο διανυσματικό αρχείο).";
        return;
    }
    bool anyPoint = false;
    for (OGRLayer* layer : file->GetLayers()) {
        if (tracePoints(*file, *layer)) continue;
        const int named = nameField(*layer->GetLayerDefn());
        const auto transformation = toWgs84(*layer);
        for (const auto& feature : *layer) {
            result.features.push_back(pointFeature(*feature, named, transformation.get()));
            anyPoint = anyPoint || result.features.back().reason.empty();
        }
    }
    if (!anyPoint) {
        result = {};
        result.error = "Το αρχείο «" + name + "» δεν έχει κανένα σημείο με έγκυρη θέση.";
    }
}

} // namespace tarvanel
