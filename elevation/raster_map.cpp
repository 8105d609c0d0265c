#include "elevation/elevation_mosaic.h"
#include "elevation/plugin_jobs.h"

#include <gdal_utils.h>

#include <memory>

namespace tarvanel {

namespace {

// MBTiles and GeoPackage tiles are offered as red, green, blue and alpha
// whatever their tiles hold; other drivers ignore the option.
GDALDatasetUniquePtr openMap(const std::string& file) {
    const char* options[] = {"BAND_COUNT=4", nullptr};
    return GDALDatasetUniquePtr(GDALDataset::Open(file.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY,
                                                  nullptr, options, nullptr));
}

// A map of palette indices (a scanned topographic sheet, say) as red, green,
// blue and alpha, so that its colours can be resampled.
GDALDatasetUniquePtr expandedPalette(GDALDataset& map) {
    const char* arguments[] = {"-of", "VRT", "-expand", "rgba", nullptr};
    const std::unique_ptr<GDALTranslateOptions, decltype(&GDALTranslateOptionsFree)> options(
        GDALTranslateOptionsNew(const_cast<char**>(arguments), nullptr), GDALTranslateOptionsFree);
    return GDALDatasetUniquePtr(GDALDataset::FromHandle(
        GDALTranslate("", GDALDataset::ToHandle(&map), options.get(), nullptr)));
}

// The warped bands into R, G, B, A: the last band is the alpha gdalwarp
// added, one colour band before it is grey.
bool readPicture(GDALDataset& laid, RasterMapPicture& result) {
    const int width = laid.GetRasterXSize(), height = laid.GetRasterYSize();
    const int bands = laid.GetRasterCount();
    if (bands < 2) return false;
    result.rgba.resize(std::size_t(width) * height * 4);
    for (int c = 0; c < 4; ++c) {
        const int band = c == 3 ? bands : bands - 1 >= 3 ? c + 1 : 1;
        if (laid.GetRasterBand(band)->RasterIO(GF_Read, 0, 0, width, height, &result.rgba[c], width,
                                               height, GDT_Byte, 4, GSpacing(width) * 4,
                                               nullptr) != CE_None)
            return false;
    }
    result.widthPx = width;
    result.heightPx = height;
    return true;
}

} // namespace

void readRasterMap(const RasterMapRequest& request, RasterMapPicture& result) {
    result = {};
    if (!validPicture(request.area, request.widthPx, request.heightPx)) {
        result.error = "Η περιοχή ή το μέγεθος του χάρτη δεν είναι έγκυρα.";
        return;
    }
    const std::string named = "Ο χάρτης «" + request.fileUtf8 + "»";
    const GDALDatasetUniquePtr map = openMap(request.fileUtf8);
    if (!map || map->GetRasterCount() == 0) {
        result.error = named + " δεν διαβάζεται: δεν είναι MBTiles, GeoPackage ή άλλη εικόνα "
                               "που διαβάζει το GDAL.";
        return;
    }
    double transform[6];
    if (!map->GetSpatialRef() || map->GetGeoTransform(transform) != CE_None) {
        result.error = named + " δεν έχει γεωαναφορά: δεν ξέρουμε πού απλώνεται.";
        return;
    }
    // The expanded map reads from the map: both stay open until the end.
    const GDALDatasetUniquePtr expanded =
        map->GetRasterBand(1)->GetColorTable() ? expandedPalette(*map) : nullptr;
    const GeoExtent& a = request.area;
    // The source's alpha band, when it has one, is used as is; the added one
    // is transparent beyond the map.
    const GDALDatasetUniquePtr laid =
        warped({expanded ? expanded.get() : map.get()},
               {"-t_srs", "EPSG:4326", "-te", gdalNumber(a.west), gdalNumber(a.south),
                gdalNumber(a.east), gdalNumber(a.north), "-ts", std::to_string(request.widthPx),
                std::to_string(request.heightPx), "-r", "bilinear", "-ot", "Byte", "-dstalpha"});
    if (!laid || !readPicture(*laid, result)) {
        result = {};
        result.error = named + " δεν απλώνεται στην περιοχή του χάρτη.";
    }
}

} // namespace tarvanel
