# shellcheck shell=bash
# Sourced by the packaging tests: what an installation holds, and fail().

app_id=io.github.tarvanel.Tarvanel
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The plugin's folder under the prefix, as the build in BUILD_DIR installs it.
plugin_dir() {
    echo "$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$1/CMakeCache.txt")/tarvanel"
}

# Fails unless PREFIX_DIR holds exactly these files, all of them regular files;
# PLUGIN_DIR is plugin_dir's.
# Usage: check_file_list PREFIX_DIR PLUGIN_DIR
check_file_list() {
    local expected actual
    expected=$({
        printf 'f %s\n' bin/tarvanel "$2/libtarvanel_elevation_gdal.so" \
            share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/mime/packages/$app_id.xml \
            share/icons/hicolor/scalable/apps/$app_id.svg share/man/man1/tarvanel.1.gz \
            share/doc/tarvanel/copyright share/doc/tarvanel/changelog.gz
        for size in 16 24 32 48 64 128 256; do
            echo "f share/icons/hicolor/${size}x$size/apps/$app_id.png"
        done
    } | LC_ALL=C sort)
    actual=$(find "$1" -mindepth 1 ! -type d -printf '%y %P\n' | LC_ALL=C sort)
    [ "$actual" = "$expected" ] || fail "installed files differ from the list:
$(diff <(echo "$expected") <(echo "$actual"))"
}

finish() {
    [ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
    echo "$1: all checks passed"
}
