#!/usr/bin/env bash
# Installs the build into a scratch directory and checks what a desktop needs
# from it: the program, a valid menu entry, valid AppStream metadata and the
# icon in every size, and nothing else.
# Usage: test_installed_files.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(realpath "$1")
source_dir=$(realpath "$2")
source "$source_dir/tests/scripts/installed_layout.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install failed" >&2
    exit 1
fi
prefix_dir=$work/root/usr

version=$(project_version "$build")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

check_file_list "$prefix_dir"
check_desktop_entry "$prefix_dir"
check_icons "$prefix_dir"
check_metainfo "$prefix_dir" "$version"

# AppStream's own view of the installed tree: metainfo, menu entry and icons together.
if ! appstreamcli validate-tree --no-net "$work/root" >"$work/tree.log" 2>&1; then
    fail "appstreamcli validate-tree rejects the installed tree"
    cat "$work/tree.log" >&2
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed files: all checks passed"
