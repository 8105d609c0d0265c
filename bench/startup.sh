#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the program, under a virtual X
# server, printed as a small table.
#
#   bench/startup.sh [command...]
#
# Without a command it measures $TARVANEL_BUILD_DIR/app/tarvanel (default
# build/). Any other command is measured the same way; it must open a window
# named $BENCH_WINDOW (default "Tarvanel 0.1") and end on SIGTERM.
#   BENCH_RUNS          start-ups to take the median of (default 10)
#   BENCH_IDLE_SECONDS  length of the idle CPU measurement (default 60)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${TARVANEL_BENCH_UNDER_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    env TARVANEL_BENCH_UNDER_XVFB=1 bash "$0" "$@"
fi

window_name=${BENCH_WINDOW:-Tarvanel 0.1}
runs=${BENCH_RUNS:-10}
idle_seconds=${BENCH_IDLE_SECONDS:-60}
if [ "$#" -eq 0 ]; then
  program="${TARVANEL_BUILD_DIR:-$root/build}/app/tarvanel"
  [ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }
  set -- "$program"
fi
export QT_QPA_PLATFORM=xcb

now_ns() { date +%s%N; }

# Window events of the whole screen: a window shows when the server maps it.
exec {events}< <(stdbuf -oL xev -root -event substructure 2>/dev/null)
sleep 0.5 # let xev start listening

# Waits until a top-level window named $window_name is mapped and sets
# shown_at to the moment the map was seen; fails after 10 s.
wait_for_window() {
  local line id
  while read -r -t 10 -u "$events" line; do
    [[ $line == MapNotify* ]] || continue
    shown_at=$(now_ns)
    read -r -t 10 -u "$events" line || break
    id=${line##*window }
    id=${id%%,*}
    if xwininfo -id "$id" 2>/dev/null | grep -qF "\"$window_name\""; then
      return 0
    fi
  done
  echo "no window named '$window_name' appeared" >&2
  return 1
}

stop() { # pid
  kill -TERM "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# CPU time (user + system) of a process, in clock ticks.
cpu_ticks() {
  local stat
  stat=$(cat "/proc/$1/stat")
  stat=${stat##*) } # the command name may hold blanks
  read -r -a fields <<<"$stat"
  # fields[0] is the state (field 3); utime and stime are fields 14 and 15.
  echo $((fields[11] + fields[12]))
}

# 1. Start-up: from launch to the first viewable window, median of the runs.
times=()
for _ in $(seq "$runs"); do
  start=$(now_ns)
  "$@" >/dev/null 2>&1 &
  pid=$!
  wait_for_window
  times+=($(((shown_at - start) / 1000)))
  stop "$pid"
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
count=${#sorted[@]}
if ((count % 2)); then
  median=${sorted[$((count / 2))]}
else
  median=$(((sorted[count / 2 - 1] + sorted[count / 2]) / 2))
fi
ms() { awk -v us="$1" 'BEGIN { printf "%.1f ms", us / 1000 }'; }

# 2. and 3. One more run under /usr/bin/time: idle CPU while both timers run
# and nothing is typed, then the peak resident memory of the whole run.
time_report=$(mktemp)
trap 'rm -f "$time_report"' EXIT
/usr/bin/time -v -o "$time_report" "$@" >/dev/null 2>&1 &
time_pid=$!
wait_for_window
pid=$(ps -o pid= --ppid "$time_pid" | tr -d ' ')
sleep 1
ticks_per_second=$(getconf CLK_TCK)
ticks_before=$(cpu_ticks "$pid")
idle_start=$(now_ns)
sleep "$idle_seconds"
ticks_after=$(cpu_ticks "$pid")
idle_end=$(now_ns)
kill -TERM "$pid"
wait "$time_pid" || true
max_rss_kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$time_report")
exit_status=$(awk -F': ' '/Exit status/ { print $2 }' "$time_report")

idle_cpu=$(awk -v t=$((ticks_after - ticks_before)) -v hz="$ticks_per_second" \
  -v ns=$((idle_end - idle_start)) 'BEGIN { printf "%.3f %% of a core", 100 * t / hz / (ns / 1e9) }')
peak=$(awk -v kb="$max_rss_kb" 'BEGIN { printf "%.1f MB", kb / 1024 }')

printf '\nCommand: %s\n\n' "$*"
printf '| %-47s | %-28s | %-9s |\n' "Measure" "Value" "Target"
printf '|%s|%s|%s|\n' "$(printf -- '-%.0s' {1..49})" "$(printf -- '-%.0s' {1..30})" "$(printf -- '-%.0s' {1..11})"
printf '| %-47s | %-28s | %-9s |\n' "Start-up to first shown window (median of $count)" \
  "$(ms "$median") ($(ms "${sorted[0]}")..$(ms "${sorted[$((count - 1))]}"))" "< 100 ms"
printf '| %-47s | %-28s | %-9s |\n' "Peak memory (max RSS)" "$peak" "< 35 MB"
printf '| %-47s | %-28s | %-9s |\n' "Idle CPU over ${idle_seconds} s" "$idle_cpu" "< 0.2 %"
printf '\nExit status after SIGTERM: %s\n' "$exit_status"
