#!/usr/bin/env bash
# Installs the build into a scratch directory and checks what a desktop needs
# from it, beyond what desktop-file-validate and appstreamcli validate-tree
# check: exactly the expected files, the menu entry naming the installed icon,
# icons with transparent corners, plan files opened by the menu entry.
# Usage: test_installed_files.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
source "$(realpath "$2")/tests/scripts/installed_layout.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! DESTDIR=$work/root cmake --install "$1" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    fail "cmake --install"
    finish "installed files"
fi
check_file_list "$work/root/usr" "$(plugin_dir "$1")"

desktop=$work/root/usr/share/applications/$app_id.desktop
# desktop-file-validate ends with 0 after warnings; only its hints pass here.
if ! desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || grep -qE '(error|warning):' "$work/desktop.log"; then
    fail "desktop-file-validate: $(cat "$work/desktop.log")"
fi
grep -qx "Icon=$app_id" "$desktop" || fail "the menu entry's Icon is not $app_id"
if file -b "$work"/root/usr/share/icons/hicolor/*/apps/*.png | grep -v RGBA; then
    fail "icons without an alpha channel"
fi
# The plan's type: *.tarvanel is application/x-tarvanel-plan once the MIME
# database is built, and the menu entry is what opens it.
data=$work/root/usr/share
update-mime-database "$data/mime" >"$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
grep -qx '50:application/x-tarvanel-plan:\*.tarvanel' "$data/mime/globs2" ||
    fail "*.tarvanel is not in the MIME database: $(cat "$data/mime/globs2")"
update-desktop-database "$data/applications"
default=$(XDG_DATA_DIRS=$data XDG_DATA_HOME=$work/home XDG_CONFIG_HOME=$work/home XDG_CURRENT_DESKTOP= \
    xdg-mime query default application/x-tarvanel-plan)
[ "$default" = "$app_id.desktop" ] || fail "xdg-mime names '$default' for a plan, not $app_id.desktop"

appstreamcli validate-tree --no-net --strict "$work/root" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli validate-tree: $(cat "$work/appstream.log")"

finish "installed files"
