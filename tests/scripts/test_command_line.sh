#!/usr/bin/env bash
# The program's command line: --help and --version answer without a display
# and end with 0; a wrong option or two plans end with 1 and a Greek message.
# Usage: test_command_line.sh BUILD_DIR SOURCE_DIR
set -uo pipefail
program=$(realpath "$1")/app/tarvanel
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$1/CMakeCache.txt")
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# status, what standard output or error holds, and the arguments
check() {
    local want=$1 stream=$2 text=$3 out err status
    shift 3
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen timeout 20 "$program" "$@" 2>/tmp/cl.$$)
    status=$?
    err=$(cat /tmp/cl.$$)
    rm -f /tmp/cl.$$
    [ "$status" -eq "$want" ] || fail "tarvanel $* ended with $status, not $want: $out $err"
    local where=$out
    [ "$stream" = err ] && where=$err
    [[ $where == *"$text"* ]] || fail "tarvanel $*: no '$text' on std$stream: $out | $err"
}

check 0 out "Χρήση: " --help
check 0 out "--version" -h
check 0 out "[σχέδιο]" --help
check 0 out "tarvanel ${version%.*}" --version
check 1 err "Άγνωστη επιλογή «bogus»" --bogus
check 1 err "δίνεται ένα μόνο σχέδιο" a.tarvanel b.tarvanel
# No display at all: the answers need none.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version 2>&1) ||
    fail "--version without a display: $out"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "command line: all checks passed"
