#!/usr/bin/env bash
# Builds the Debian package with cpack and checks it without installing it:
# control fields and dependencies, no maintainer scripts, the same files as
# `cmake --install`, lintian, the manual page and the changelog, and that the
# packaged program shows its window and ends with exit code 0 on SIGTERM.
# Usage: test_deb_package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source "$(realpath "$2")/tests/scripts/installed_layout.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Qt wants a private runtime directory; give it one that goes away with the test.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

version=$(project_version "$build")
[ -n "$version" ] || { echo "FAIL: no project version in $build/CMakeCache.txt" >&2; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/out/tarvanel_${version}_${arch}.deb

# --- Build the package (in the build directory, output kept out of it).
if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
fi
[ -f "$deb" ] || { ls -l "$work/out" >&2; echo "FAIL: cpack made no $deb" >&2; exit 1; }

# --- Control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tarvanel ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', the project is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6 fonts-dejavu-core fonts-dejavu-extra \
    qt6-qpa-plugins; do
    # a package name stands between list separators, optionally with a version
    echo ", $depends," | grep -Eq ", ${package//+/\\+}( \([^)]*\))?," ||
        fail "Depends lacks $package: $depends"
done

# --- No maintainer scripts or conffiles: removal leaves nothing behind.
dpkg-deb --control "$deb" "$work/control"
extra=$(cd "$work/control" && ls | grep -vxE 'control|md5sums' || true)
[ -z "$extra" ] || fail "control archive holds more than control and md5sums: $extra"

root=$work/root
dpkg-deb --extract "$deb" "$root"
check_file_list "$root/usr"
program=$root/usr/bin/tarvanel

# --- Debian's policy checker (file modes and owners, stripping, rpath, md5sums,
# the description's form), the manual page and the changelog.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
    fail "lintian reports errors or warnings:"
    cat "$work/lintian.log" >&2
fi
man_page=$root/usr/share/man/man1/tarvanel.1.gz
if ! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -l "$man_page" >"$work/man.txt" 2>"$work/man.log" ||
    [ -s "$work/man.log" ]; then
    fail "man -l does not render $man_page cleanly:"
    cat "$work/man.log" >&2
fi
grep -qF "Tarvanel $version" "$work/man.txt" || fail "the manual page is not for version $version"
changelog_version=$(zcat "$root/usr/share/doc/tarvanel/changelog.gz" | dpkg-parsechangelog -l - -S Version) ||
    fail "the changelog does not parse"
[ "$changelog_version" = "$version" ] || fail "newest changelog entry is '$changelog_version'"

# --- On an X server the program maps its window, with the class the menu
# entry names and an icon, and still ends cleanly on SIGTERM.
window_check=$work/window_check.sh
cat >"$window_check" <<'CHECK'
set -u
program=$1 wm_class=$2
QT_QPA_PLATFORM=xcb "$program" &
pid=$!
window=
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree | awk '/"Tarvanel [0-9]+\.[0-9]+"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.2
done
bad=0
if [ -z "$window" ]; then
    echo "FAIL: no window titled 'Tarvanel <version>' appeared" >&2
    bad=1
else
    sleep 2
    xwininfo -id "$window" | grep -q 'Map State: IsViewable' || { echo "FAIL: window not mapped" >&2; bad=1; }
    size=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
    [ "$size" = 550x362 ] || { echo "FAIL: window is $size, not 550x362" >&2; bad=1; }
    xprop -id "$window" WM_CLASS | grep -q "\"$wm_class\"\$" ||
        { echo "FAIL: WM_CLASS is not $wm_class: $(xprop -id "$window" WM_CLASS)" >&2; bad=1; }
    xprop -id "$window" _NET_WM_ICON | head -n 1 | grep -q 'Icon (16 x 16)' ||
        { echo "FAIL: window has no 16 x 16 icon" >&2; bad=1; }
fi
if kill -0 "$pid" 2>/dev/null; then
    kill -TERM "$pid"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "FAIL: X11: exit code $status after SIGTERM" >&2; bad=1; }
else
    echo "FAIL: X11: the program ended by itself" >&2
    bad=1
fi
exit "$bad"
CHECK
wm_class=$(desktop_value "$root/usr/share/applications/$app_id.desktop" StartupWMClass)
if ! xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    bash "$window_check" "$program" "$wm_class" >"$work/x11.log" 2>&1; then
    fail "X11 window check"
    cat "$work/x11.log" >&2
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Debian package $(basename "$deb"): all checks passed"
