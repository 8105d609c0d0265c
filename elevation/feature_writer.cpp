#include "elevation/elevation_mosaic.h"
#include "elevation/plugin_jobs.h"

#include <cpl_string.h>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <ogrsf_frmts.h>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>

namespace tarvanel {

namespace fs = std::filesystem;

namespace {
// Google Earth's white pin, which it tints with the icon's colour.
constexpr const char* pinIcon = "http://maps.google.com/mapfiles/kml/pushpin/wht-pushpin.png";

// "#RRGGBBAA" as OGR's style strings write colours, or "#rrggbb" for GeoJSON's
// simplestyle properties.
std::string hexColour(std::uint32_t rgba, bool withAlpha) {
    char text[16];
    if (withAlpha)
        std::snprintf(text, sizeof text, "#%08" PRIX32, rgba);
    else
        std::snprintf(text, sizeof text, "#%06" PRIx32, rgba >> 8);
    return text;
}

bool inRange(const FeaturePoint& p) {
    return std::fabs(p.position.latitude) <= 90.0 && std::fabs(p.position.longitude) <= 180.0 &&
           std::isfinite(p.altitudeM);
}

// What keeps a feature from being written, in Greek; empty when none does.
std::string unwritable(const FeatureWriting& request) {
    for (const FeatureLayer& layer : request.layers)
        for (const MapFeature& feature : layer.features) {
            if (feature.points.empty()) return "το στοιχείο «" + feature.name + "» δεν έχει θέση.";
            for (const FeaturePoint& point : feature.points)
                if (!inRange(point))
                    return "το στοιχείο «" + feature.name + "» έχει συντεταγμένες εκτός ορίων.";
        }
    return {};
}

// The features that go into one layer of the file: a KML folder each, all
// together in GeoJSON's one collection (named after the file). The LIBKML
// driver makes ids of the layer's name, a Greek one all underscores: the
// layers go by ASCII names and show theirs.
struct OutputLayer {
    std::string id, name;
    std::vector<const MapFeature*> features;
};

std::vector<OutputLayer> outputLayers(const FeatureWriting& request, const std::string& stem) {
    const bool kml = request.format == FeatureFormat::kml;
    std::vector<OutputLayer> layers;
    for (const FeatureLayer& layer : request.layers) {
        if (layers.empty() || kml) {
            const std::string id = kml ? "layer" + std::to_string(layers.size() + 1) : stem;
            layers.push_back({id, kml ? layer.name : stem, {}});
        }
        for (const MapFeature& feature : layer.features)
            layers.back().features.push_back(&feature);
    }
    return layers;
}

// The fields: the name, KML's altitude mode and extrusion (which the LIBKML
// driver writes into each geometry), then every attribute with the type it
// first has, then GeoJSON's simplestyle colours (which web maps draw).
bool addFields(OGRLayer& layer, const OutputLayer& output, FeatureFormat format) {
    std::vector<std::pair<std::string, OGRFieldType>> fields{{"name", OFTString}};
    if (format == FeatureFormat::kml)
        fields.insert(fields.end(), {{"altitudeMode", OFTString}, {"extrude", OFTInteger}});
    std::map<std::string, bool> met;
    for (const MapFeature* feature : output.features)
        for (const FeatureAttribute& attribute : feature->attributes)
            if (met.emplace(attribute.key, true).second)
                fields.emplace_back(attribute.key, std::holds_alternative<double>(attribute.value)
                                                       ? OFTReal
                                                       : OFTString);
    if (format == FeatureFormat::geoJson)
        fields.insert(
            fields.end(),
            {{"marker-color", OFTString}, {"stroke", OFTString}, {"stroke-width", OFTReal}});
    for (const auto& [name, type] : fields) {
        OGRFieldDefn field(name.c_str(), type);
        if (layer.CreateField(&field) != OGRERR_NONE) return false;
    }
    return true;
}

std::unique_ptr<OGRGeometry> geometry(const MapFeature& feature) {
    if (feature.points.size() == 1) {
        const FeaturePoint& p = feature.points.front();
        return std::make_unique<OGRPoint>(p.position.longitude, p.position.latitude, p.altitudeM);
    }
    auto line = std::make_unique<OGRLineString>();
    for (const FeaturePoint& p : feature.points)
        line->addPoint(p.position.longitude, p.position.latitude, p.altitudeM);
    return line;
}

bool writeFeature(OGRLayer& layer, const MapFeature& feature, FeatureFormat format) {
    OGRFeature out(layer.GetLayerDefn());
    out.SetField("name", feature.name.c_str());
    for (const FeatureAttribute& attribute : feature.attributes) {
        if (const double* number = std::get_if<double>(&attribute.value))
            out.SetField(attribute.key.c_str(), *number);
        else
            out.SetField(attribute.key.c_str(), std::get<std::string>(attribute.value).c_str());
    }
    const bool point = feature.points.size() == 1;
    if (format == FeatureFormat::kml) {
        out.SetField("altitudeMode", "absolute");
        out.SetField("extrude", point ? 1 : 0); // a point hangs on a mast down to the ground
        out.SetStyleString((point ? "SYMBOL(id:\"" + std::string(pinIcon) +
                                        "\",c:" + hexColour(feature.colourRgba, true) + ")"
                                  : "PEN(c:" + hexColour(feature.colourRgba, true) +
                                        ",w:" + gdalNumber(feature.lineWidthPx) + "px)")
                               .c_str());
    } else if (point) {
        out.SetField("marker-color", hexColour(feature.colourRgba, false).c_str());
    } else {
        out.SetField("stroke", hexColour(feature.colourRgba, false).c_str());
        out.SetField("stroke-width", feature.lineWidthPx);
    }
    out.SetGeometryDirectly(geometry(feature).release());
    return layer.CreateFeature(&out) == OGRERR_NONE;
}

// Writes the whole file at path, named stem; false when anything failed,
// closing included.
bool writeFile(const std::string& path, const std::string& stem, const FeatureWriting& request,
               GDALDriver& driver) {
    CPLErrorReset();
    GDALDatasetUniquePtr file(driver.Create(path.c_str(), 0, 0, 0, GDT_Unknown, nullptr));
    if (!file) return false;
    OGRSpatialReference wgs84;
    wgs84.SetWellKnownGeogCS("WGS84");
    wgs84.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
    CPLStringList options;
    if (request.format == FeatureFormat::kml) {
        options.SetNameValue("FOLDER", "YES");
    } else {
        options.SetNameValue("RFC7946", "YES");
        options.SetNameValue("COORDINATE_PRECISION", "8"); // 1e-8 degree, about a millimetre
    }
    for (const OutputLayer& output : outputLayers(request, stem)) {
        if (request.format == FeatureFormat::kml) options.SetNameValue("NAME", output.name.c_str());
        OGRLayer* layer = file->CreateLayer(output.id.c_str(), &wgs84, wkbUnknown, options.List());
        if (!layer || !addFields(*layer, output, request.format)) return false;
        for (const MapFeature* feature : output.features)
            if (!writeFeature(*layer, *feature, request.format)) return false;
    }
    file.reset(); // written out here
    std::error_code error;
    return CPLGetLastErrorType() < CE_Failure && fs::file_size(path, error) > 0 && !error;
}
} // namespace

void writeFeatures(const FeatureWriting& request, FeatureWritingResult& result) {
    result = {};
    const fs::path target(request.fileUtf8);
    const std::string failed = "Το αρχείο «" + target.filename().string() + "» δεν γράφτηκε: ";
    if (const std::string problem = unwritable(request); !problem.empty()) {
        result.error = failed + problem;
        return;
    }
    const bool kml = request.format == FeatureFormat::kml;
    GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(kml ? "LIBKML" : "GeoJSON");
    if (!driver) {
        result.error = failed + "λείπει ο οδηγός " + (kml ? "LIBKML" : "GeoJSON") + " του GDAL.";
        return;
    }
    // Beside the old file, under a name the driver knows by its ending (the
    // LIBKML driver writes a folder for any other), then renamed over it.
    const fs::path partial = target.parent_path() / ("." + target.filename().string() + ".partial" +
                                                     (kml ? ".kml" : ".geojson"));
    std::error_code error;
    fs::remove(partial, error);
    if (!writeFile(partial.string(), target.stem().string(), request, *driver)) {
        fs::remove(partial, error);
        result.error = failed + "ο φάκελος δεν υπάρχει ή δεν δέχεται εγγραφή.";
        return;
    }
    fs::rename(partial, target, error);
    if (error) {
        fs::remove(partial, error);
        result.error = failed + "δεν αντικαθίσταται το αρχείο που υπάρχει εκεί.";
    }
}

} // namespace tarvanel
