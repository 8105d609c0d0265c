#!/usr/bin/env bash
# Builds the Debian package with cpack and checks, beyond what lintian checks:
# its name, the dependencies loaded at run time, GDAL needed by the elevation
# plugin alone and depended on, no maintainer scripts, the installed files, the
# versions in the metadata, a clean manual page, and that the packaged program
# shows its window on X11 and ends with exit code 0 on SIGTERM.
# Usage: test_deb_package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source "$(realpath "$2")/tests/scripts/installed_layout.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$work/out/tarvanel_${version}_$(dpkg --print-architecture).deb
(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || cat "$work/cpack.log" >&2
[ -f "$deb" ] || { fail "cpack made no $deb: $(ls "$work/out")"; finish package; }

# dpkg-shlibdeps adds the libraries; these are loaded at run time.
depends=", $(dpkg-deb --field "$deb" Depends),"
for package in fonts-dejavu-core fonts-dejavu-extra qt6-qpa-plugins; do
    [[ $depends == *", $package"[,\ ]* ]] || fail "Depends lacks $package: $depends"
done
dpkg-deb --control "$deb" "$work/control"
control=$(cd "$work/control" && echo *)
[ "$control" = "control md5sums" ] || fail "control archive holds $control"

root=$work/root
dpkg-deb --extract "$deb" "$root"
check_file_list "$root/usr" "$(plugin_dir "$build")"
program=$root/usr/bin/tarvanel
plugin=$root/usr/$(plugin_dir "$build")/libtarvanel_elevation_gdal.so

# The elevation plugin alone needs GDAL, and the package depends on the
# package holding the GDAL library it names.
needed() { objdump -p "$1" | awk '/NEEDED/ { print $2 }'; }
if needed "$program" | grep -qi gdal; then fail "the program links GDAL"; fi
gdal=$(needed "$plugin" | grep -i gdal) || fail "the plugin does not name GDAL"
gdal_package=$(dpkg -S "*/$gdal" 2>/dev/null | head -n 1 | cut -d: -f1)
[[ -n $gdal_package && $depends == *", $gdal_package"[,\ ]* ]] ||
    fail "Depends lacks $gdal_package (for $gdal): $depends"

# The hardening-* tags are informational, so infos fail the test too. The
# sanitized build leaves out _FORTIFY_SOURCE on purpose (packaging/hardening.cmake).
suppress=()
if grep -q '^TARVANEL_SANITIZE:BOOL=ON' "$build/CMakeCache.txt"; then
    suppress=(--suppress-tags hardening-no-fortify-functions)
fi
lintian --display-info --fail-on error,warning,info "${suppress[@]}" "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(cat "$work/lintian.log")"
# lintian has no tag for a missing stack protector.
[[ $(nm -D "$program") == *" U __stack_chk_fail"* ]] || fail "the program has no stack protector"

LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$root/usr/share/man/man1/tarvanel.1.gz" >"$work/man.txt" 2>"$work/man.log"
if ! grep -qF "Tarvanel $version" "$work/man.txt" || [ -s "$work/man.log" ]; then
    fail "the manual page is not for $version or renders with warnings: $(cat "$work/man.log")"
fi
changelog=$(zcat "$root/usr/share/doc/tarvanel/changelog.gz" | dpkg-parsechangelog -l - -S Version) || true
[ "$changelog" = "$version" ] || fail "newest changelog entry is '$changelog', the project is $version"
metainfo=$(sed -n '/<release /{s/.*version="\([^"]*\)".*/\1/p;q}' "$root/usr/share/metainfo/$app_id.metainfo.xml")
[ "$metainfo" = "$version" ] || fail "newest metainfo release is '$metainfo', the project is $version"

# On an X server the program maps its 550x362 window, with the class the menu
# entry names and an icon, and still ends with exit code 0 on SIGTERM.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$app_id.desktop")
# A random first display number keeps concurrent runs off each other's server.
xvfb-run --server-num=$((100 + RANDOM % 900)) --auto-servernum --server-args="-screen 0 1024x768x24" \
    bash -s "$program" "$wm_class" >"$work/x11.log" 2>&1 <<'CHECK' || fail "on X11: $(cat "$work/x11.log")"
set -u
QT_QPA_PLATFORM=xcb "$1" &
pid=$!
for _ in $(seq 50); do
    window=$(xwininfo -root -tree | awk '/"Tarvanel [0-9.]+"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "no window titled Tarvanel <version>"; kill "$pid"; exit 1; }
sleep 2
bad=0
state=$(xwininfo -id "$window" |
    awk '/Width:/ { w = $2 } /Height:/ { h = $2 } /Map State:/ { m = $3 } END { print w "x" h, m }')
[ "$state" = "550x362 IsViewable" ] || { echo "window is $state, not 550x362 IsViewable"; bad=1; }
xprop -id "$window" WM_CLASS | grep -q "\"$2\"\$" || { echo "WM_CLASS is not $2"; bad=1; }
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (' || { echo "the window has no icon"; bad=1; }
kill -TERM "$pid" || { echo "the program ended by itself"; exit 1; }
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "exit code $status after SIGTERM"; bad=1; }
exit "$bad"
CHECK

finish "Debian package $(basename "$deb")"
