#!/usr/bin/env bash
# The scalable desktop icon assets/tarvanel.svg must render, and show the same
# emblem as the window icon drawn in app/tarvanel_emblem.cpp: the same three
# sector colours in the same places and transparent corners.
# Arguments: build dir (unused), source dir.
set -euo pipefail

source_dir=${2:?source dir}
svg="$source_dir/assets/tarvanel.svg"
emblem_source="$source_dir/app/tarvanel_emblem.cpp"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# The sector colours of the drawn emblem, in drawing order, as RRGGBB.
mapfile -t colours < <(grep -o 'qRgb(0x[0-9a-fA-F]\{2\}, 0x[0-9a-fA-F]\{2\}, 0x[0-9a-fA-F]\{2\}), //' \
    "$emblem_source" | sed -E 's/qRgb\(0x(..), 0x(..), 0x(..)\).*/\1\2\3/' | tr a-f A-F)
[ "${#colours[@]}" -eq 3 ] || fail "expected 3 sector colours in $emblem_source, found ${#colours[@]}"

# Prints the pixel at x,y as RRGGBBAA.
pixel() {
    /usr/bin/convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-F]\{8\}' | tr -d '#'
}

# Channel-wise distance between two RRGGBB colours is at most 12.
close_to() {
    local a=$1 b=$2 i
    for i in 0 2 4; do
        local d=$(( 16#${a:i:2} - 16#${b:i:2} ))
        [ "${d#-}" -le 12 ] || return 1
    done
}

for size in 16 64 256; do
    png="$work/icon$size.png"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$png" || fail "$svg does not render at $size px"
    [ "$(/usr/bin/convert "$png" -format '%wx%h' info:)" = "${size}x${size}" ] || fail "wrong size"

    for corner in "0 0" "$((size - 1)) 0" "0 $((size - 1))" "$((size - 1)) $((size - 1))"; do
        # shellcheck disable=SC2086
        p=$(pixel "$png" $corner)
        [ "${p:6:2}" = "00" ] || fail "$size px: corner $corner not transparent ($p)"
    done

    # Sector centres at half the radius: upper right (30 degrees), bottom, upper left.
    half=$(( size / 2 ))
    quarter=$(( size / 4 ))
    dx=$(( size * 217 / 1000 )) # quarter * cos 30
    dy=$(( size / 8 ))          # quarter * sin 30
    points=("$((half + dx)) $((half - dy))" "$half $((half + quarter))" "$((half - dx - 1)) $((half - dy))")
    for i in 0 1 2; do
        # shellcheck disable=SC2086
        p=$(pixel "$png" ${points[$i]})
        [ "${p:6:2}" = "FF" ] || fail "$size px: sector $i not opaque ($p)"
        close_to "${p:0:6}" "${colours[$i]}" || fail "$size px: sector $i is #${p:0:6}, want #${colours[$i]}"
    done

done
echo "tarvanel.svg renders the emblem at 16, 64 and 256 px"
