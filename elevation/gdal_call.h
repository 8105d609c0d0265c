#pragma once

#include <cpl_error.h>
#include <gdal.h>

#include <mutex>

namespace tarvanel {

// Held by every entry of the plugin while it works: registers GDAL's drivers
// the first time and silences GDAL's messages on this thread, since what went
// wrong is told in the result, in Greek.
class GdalCall {
public:
    GdalCall() {
        static std::once_flag registered;
        std::call_once(registered, GDALAllRegister);
        CPLPushErrorHandler(CPLQuietErrorHandler);
    }
    ~GdalCall() { CPLPopErrorHandler(); }
    GdalCall(const GdalCall&) = delete;
    GdalCall& operator=(const GdalCall&) = delete;
};

} // namespace tarvanel
