#!/usr/bin/env bash
# The program stops cleanly, with exit code 0, on SIGTERM and on SIGINT, so that
# scripts can end it. Arguments: build directory, source directory.
set -euo pipefail

build_dir=${1:?build directory}
program="$build_dir/app/tarvanel"
[ -x "$program" ] || { echo "missing $program"; exit 1; }

for signal in TERM INT; do
  QT_QPA_PLATFORM=offscreen "$program" &
  pid=$!
  sleep 1.5
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: the program ended by itself before SIG$signal"
    exit 1
  fi
  kill "-$signal" "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    echo "FAIL: still running 10 s after SIG$signal"
    exit 1
  fi
  status=0
  wait "$pid" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL: exit code $status after SIG$signal"
    exit 1
  fi
  echo "ok: SIG$signal ends the program with exit code 0"
done
