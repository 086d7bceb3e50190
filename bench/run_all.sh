#!/usr/bin/env bash
# Runs every benchmark of a bench build: the Google Benchmark programs (medians over
# repetitions) and the whole-process timings (bench/*.sh, each given the build folder).
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for program in "$build"/bench/bench_*; do
  [ -x "$program" ] || continue
  echo "== $(basename "$program")"
  SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} \
    "$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || status=1
done
for script in "$here"/process_*.sh; do
  [ -x "$script" ] || continue
  echo "== $(basename "$script")"
  "$script" "$build" || status=1
done
exit $status
