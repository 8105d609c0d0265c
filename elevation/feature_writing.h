#pragma once

#include "geo/geo_position.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tarvanel {

// The plan written for other programs: KML for Google Earth, GeoJSON
// (RFC 7946). Points and lines carry their altitude: in KML with
// altitudeMode absolute (points extruded down to the ground, which Google
// Earth draws as a mast), in GeoJSON as the third coordinate. Coordinates keep
// 1e-8 degree. The file is written beside itself and renamed over the old one
// only when complete.

enum class FeatureFormat { kml, geoJson };

struct FeaturePoint {
    Position position;
    double altitudeM = 0.0; // above sea level
};

struct FeatureAttribute {
    std::string key;
    std::variant<std::string, double> value; // a text or a real field
};

struct MapFeature {
    std::string name;
    std::vector<FeaturePoint> points; // one: a point; two or more: a line
    std::vector<FeatureAttribute> attributes;
    std::uint32_t colourRgba = 0xff0000ff; // 0xRRGGBBAA: the icon's or the line's colour
    double lineWidthPx = 3.0;
};

// A KML folder. GeoJSON holds one collection: the layers' features follow one
// another, each with the fields of all layers (a field's type is the one it
// first has).
struct FeatureLayer {
    std::string name;
    std::vector<MapFeature> features;
};

struct FeatureWriting {
    std::string fileUtf8;
    FeatureFormat format = FeatureFormat::kml;
    std::vector<FeatureLayer> layers;
};

struct FeatureWritingResult {
    std::string error; // Greek, naming the file and why; empty when written
};

using WriteFeatures = void(const FeatureWriting& request, FeatureWritingResult& result);
inline constexpr const char* writeFeaturesSymbol = "tarvanel_write_features_v1";

} // namespace tarvanel
