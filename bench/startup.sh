#!/usr/bin/env bash
# Start-up time, peak memory and idle CPU of the program side by side with a
# bare Qt Widgets window whose only work is one 200 ms timer that does nothing
# (bench/bare_timer_window.cpp), under a virtual X server and a private D-Bus
# session bus, printed as one table with the ratio program / bare window.
#
#   bench/startup.sh [command...]
#   BENCH_IDLE_SECONDS=60 bash bench/startup.sh
#
# Without a command it measures $TARVANEL_BUILD_DIR/app/tarvanel (default
# build/). Any other command is measured the same way; it must open a window
# named $BENCH_WINDOW (default "Tarvanel 0.1") and end on SIGTERM. The bare
# window is $TARVANEL_BUILD_DIR/bench/bare_timer_window (target
# bare_timer_window, built with the benchmarks); its window is named
# "Bare timer window".
#
# Start-up: launch to first mapped window, the two programs taken in turn.
# Idle: both run at the same time under the same X server, and over the same
# period the script reads, for every thread of each, the time on a CPU in
# nanoseconds (/proc/PID/task/TID/schedstat, first field) and the voluntary
# context switches (each one a sleep that ends in a wake-up). The per-thread
# figures are printed under the table.
#   BENCH_RUNS            start-ups of each program to take the median of (default 10)
#   BENCH_IDLE_SECONDS    length of the idle measurement (default 60)
#   BENCH_SETTLE_SECONDS  wait between the windows showing and the idle
#                         measurement (default 2)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Without a session bus Qt would start one of its own with dbus-launch.
if [ -z "${TARVANEL_BENCH_UNDER_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" \
    dbus-run-session -- env TARVANEL_BENCH_UNDER_XVFB=1 bash "$0" "$@"
fi

build_dir=${TARVANEL_BUILD_DIR:-$root/build}
window_name=${BENCH_WINDOW:-Tarvanel 0.1}
bare_name="Bare timer window"
bare=("$build_dir/bench/bare_timer_window")
runs=${BENCH_RUNS:-10}
idle_seconds=${BENCH_IDLE_SECONDS:-60}
settle_seconds=${BENCH_SETTLE_SECONDS:-2}
if [ "$#" -eq 0 ]; then
  program="$build_dir/app/tarvanel"
  [ -x "$program" ] || { echo "build the program first: $program" >&2; exit 1; }
  set -- "$program"
fi
[ -x "${bare[0]}" ] || { echo "build the bare window first: ${bare[0]}" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

now_ns() { date +%s%N; }

# Window events of the whole screen: a window shows when the server maps it.
exec {events}< <(stdbuf -oL xev -root -event substructure 2>/dev/null)
sleep 0.5 # let xev start listening

# Waits until a top-level window with the given name is mapped and sets
# shown_at to the moment the map was seen; fails after 10 s.
wait_for_window() { # name
  local line id
  while read -r -t 10 -u "$events" line; do
    [[ $line == MapNotify* ]] || continue
    shown_at=$(now_ns)
    read -r -t 10 -u "$events" line || break
    id=${line##*window }
    id=${id%%,*}
    if xwininfo -id "$id" 2>/dev/null | grep -qF "\"$1\""; then
      return 0
    fi
  done
  echo "no window named '$1' appeared" >&2
  return 1
}

stop() { # pid
  kill -TERM "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# Microseconds from launch to the window showing, one run.
startup_us() { # name command...
  local name=$1 start pid
  shift
  start=$(now_ns)
  "$@" >/dev/null 2>&1 &
  pid=$!
  wait_for_window "$name"
  stop "$pid"
  echo $(((shown_at - start) / 1000))
}

# "median min max" of the numbers given.
median_min_max() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          print m, v[1], v[NR] }'
}

# One line per thread of a process: tid, ns on a CPU, voluntary context
# switches, name (tab-separated; a thread's name may hold blanks).
thread_counters() { # pid
  local task ns vol comm
  for task in /proc/"$1"/task/*; do
    read -r ns _ <"$task/schedstat" 2>/dev/null || continue
    vol=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status" 2>/dev/null) || continue
    comm=$(<"$task/comm")
    printf '%s\t%s\t%s\t%s\n' "${task##*/}" "$ns" "$vol" "$comm"
  done
}

# 1. Start-up: from launch to the first viewable window, the program and the
# bare window in turn, the median of the runs of each.
program_times=()
bare_times=()
for _ in $(seq "$runs"); do
  program_times+=("$(startup_us "$window_name" "$@")")
  bare_times+=("$(startup_us "$bare_name" "${bare[@]}")")
done
read -r program_median program_min program_max < <(median_min_max "${program_times[@]}")
read -r bare_median bare_min bare_max < <(median_min_max "${bare_times[@]}")

# 2. and 3. Both again under /usr/bin/time, at the same time: idle CPU and
# wake-ups over the same period while nothing is typed, then the peak resident
# memory of each whole run.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
/usr/bin/time -v -o "$scratch/program.time" "$@" >/dev/null 2>&1 &
program_time_pid=$!
wait_for_window "$window_name"
/usr/bin/time -v -o "$scratch/bare.time" "${bare[@]}" >/dev/null 2>&1 &
bare_time_pid=$!
wait_for_window "$bare_name"
program_pid=$(ps -o pid= --ppid "$program_time_pid" | tr -d ' ')
bare_pid=$(ps -o pid= --ppid "$bare_time_pid" | tr -d ' ')
sleep "$settle_seconds"
idle_start=$(now_ns)
thread_counters "$program_pid" >"$scratch/program.before"
thread_counters "$bare_pid" >"$scratch/bare.before"
sleep "$idle_seconds"
thread_counters "$program_pid" >"$scratch/program.after"
thread_counters "$bare_pid" >"$scratch/bare.after"
idle_end=$(now_ns)
kill -TERM "$program_pid" "$bare_pid"
wait "$program_time_pid" || true
wait "$bare_time_pid" || true
seconds=$(awk -v ns=$((idle_end - idle_start)) 'BEGIN { printf "%.3f", ns / 1e9 }')

# Per thread and in all: CPU milliseconds and wake-ups per second over the
# idle period. Prints the totals "ms wakeups_per_s" last.
idle_figures() { # who
  awk -F'\t' -v s="$seconds" -v who="$1" '
    FNR == NR { ns[$1] = $2; vol[$1] = $3; next }
    { d_ns = $2 - ($1 in ns ? ns[$1] : 0); d_vol = $3 - ($1 in vol ? vol[$1] : 0)
      total_ns += d_ns; total_vol += d_vol
      printf "  %-12s %-7s %-16s %9.3f ms %8.2f wake-ups/s\n", who, $1, $4, d_ns / 1e6, d_vol / s > "/dev/stderr" }
    END { printf "%.3f %.3f\n", total_ns / 1e6, total_vol / s }' \
    "$scratch/$1.before" "$scratch/$1.after"
}
read -r program_cpu_ms program_wakeups < <(idle_figures program 2>"$scratch/program.threads")
read -r bare_cpu_ms bare_wakeups < <(idle_figures bare 2>"$scratch/bare.threads")

max_rss_kb() { awk -F': ' '/Maximum resident set size/ { print $2 }' "$1"; }
exit_status() { awk -F': ' '/Exit status/ { print $2 }' "$1"; }
program_rss=$(max_rss_kb "$scratch/program.time")
bare_rss=$(max_rss_kb "$scratch/bare.time")

ms() { awk -v us="$1" 'BEGIN { printf "%.1f ms", us / 1000 }'; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f MB", kb / 1024 }'; }
cpu() { awk -v ms="$1" -v s="$seconds" 'BEGIN { printf "%.4f %% (%.1f ms)", 100 * ms / 1000 / s, ms }'; }
rate() { awk -v r="$1" 'BEGIN { printf "%.2f /s", r }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "-" }'; }

row() { printf '| %-40s | %-27s | %-27s | %-6s | %-16s |\n' "$@"; }
dashes() { printf -- '-%.0s' $(seq "$1"); }
printf '\nCommand:     %s\nBare window: %s\n\n' "$*" "${bare[*]}"
row "Measure" "Program" "Bare window" "Ratio" "Target"
printf '|%s|%s|%s|%s|%s|\n' "$(dashes 42)" "$(dashes 29)" "$(dashes 29)" "$(dashes 8)" "$(dashes 18)"
row "Start-up to first window (median of $runs)" \
  "$(ms "$program_median") ($(ms "$program_min")..$(ms "$program_max"))" \
  "$(ms "$bare_median") ($(ms "$bare_min")..$(ms "$bare_max"))" \
  "$(ratio "$program_median" "$bare_median")" "< 100 ms"
row "Peak memory (max RSS)" "$(mb "$program_rss")" "$(mb "$bare_rss")" \
  "$(ratio "$program_rss" "$bare_rss")" "< 35 MB"
row "Idle CPU over $seconds s (of a core)" "$(cpu "$program_cpu_ms")" "$(cpu "$bare_cpu_ms")" \
  "$(ratio "$program_cpu_ms" "$bare_cpu_ms")" "< 0.2 %, <= 1.05"
row "Idle wake-ups (all threads)" "$(rate "$program_wakeups")" "$(rate "$bare_wakeups")" \
  "$(ratio "$program_wakeups" "$bare_wakeups")" "<= 1.05"
printf '\nThreads over the idle period:\n'
cat "$scratch/program.threads" "$scratch/bare.threads"
printf '\nExit status after SIGTERM: program %s, bare window %s\n' \
  "$(exit_status "$scratch/program.time")" "$(exit_status "$scratch/bare.time")"
