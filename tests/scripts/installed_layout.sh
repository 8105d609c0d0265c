# Sourced by the packaging tests: what an installation of the program holds
# and the checks the install test and the package test share.

app_id=io.github.tarvanel.Tarvanel
icon_sizes=(16 24 32 48 64 128 256)
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The version the build was configured with, from its cache.
project_version() {
    sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt"
}

# Every file an installation holds, relative to its prefix, sorted.
expected_installed_files() {
    {
        echo bin/tarvanel
        echo "share/applications/$app_id.desktop"
        echo "share/metainfo/$app_id.metainfo.xml"
        echo "share/icons/hicolor/scalable/apps/$app_id.svg"
        echo share/man/man1/tarvanel.1.gz
        echo share/doc/tarvanel/copyright
        echo share/doc/tarvanel/changelog.gz
        echo share/lintian/overrides/tarvanel
        for size in "${icon_sizes[@]}"; do
            echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
        done
    } | LC_ALL=C sort
}

# Fails unless PREFIX_DIR holds exactly the expected files, and nothing but
# directories and regular files.
check_file_list() {
    local prefix_dir=$1 actual expected
    actual=$(cd "$prefix_dir" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort)
    expected=$(expected_installed_files)
    if [ "$actual" != "$expected" ]; then
        fail "installed files differ from the expected list:"
        diff <(echo "$expected") <(echo "$actual") >&2 || true
    fi
    if [ -n "$(find "$prefix_dir" ! -type d ! -type f)" ]; then
        fail "links or special files installed: $(find "$prefix_dir" ! -type d ! -type f)"
    fi
}

# Value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$(printf '%s' "$2" | sed 's/[][]/\\&/g')"'=//p}' "$1"
}

# The menu entry: valid, and pointing at the installed program and icon.
check_desktop_entry() {
    local prefix_dir=$1 file=$1/share/applications/$app_id.desktop key exec_name
    [ -f "$file" ] || { fail "no desktop entry at $file"; return; }
    if ! desktop-file-validate "$file" >"$work/desktop-validate.log" 2>&1 ||
        grep -E '(error|warning):' "$work/desktop-validate.log" >&2; then
        fail "desktop-file-validate rejects $file"
        cat "$work/desktop-validate.log" >&2
    fi
    [ "$(desktop_value "$file" Icon)" = "$app_id" ] || fail "desktop entry Icon is not $app_id"
    exec_name=$(desktop_value "$file" Exec | cut -d' ' -f1)
    [ -x "$prefix_dir/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
}

# The icon: the SVG and one PNG of the right size for each hicolor size.
check_icons() {
    local prefix_dir=$1 size png svg description
    svg=$prefix_dir/share/icons/hicolor/scalable/apps/$app_id.svg
    file -b "$svg" | grep -q 'SVG Scalable Vector Graphics image' ||
        fail "$svg is not an SVG image: $(file -b "$svg")"
    for size in "${icon_sizes[@]}"; do
        png=$prefix_dir/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        description=$(file -b "$png")
        case "$description" in
        "PNG image data, $size x $size, 8-bit/color RGBA"*) ;;
        *) fail "$png: expected a $size x $size RGBA PNG, found: $description" ;;
        esac
    done
}

# The AppStream metadata: valid without network, with the version being built
# as the newest release.
check_metainfo() {
    local prefix_dir=$1 version=$2 file=$1/share/metainfo/$app_id.metainfo.xml newest
    [ -f "$file" ] || { fail "no metainfo at $file"; return; }
    if ! appstreamcli validate --no-net --strict "$file" >"$work/appstream.log" 2>&1; then
        fail "appstreamcli validate rejects $file"
        cat "$work/appstream.log" >&2
    fi
    newest=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$file" | head -n 1)
    [ "$newest" = "$version" ] ||
        fail "newest release in the metainfo is '$newest', the project is $version"
}
