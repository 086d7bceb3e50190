#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for the given number of seconds, growing its
# saved corpus under tests/fuzz/corpus/<target>; seeds the build wrote (<build>/tests/fuzz/seeds/
# <target>) are read as well, never written. With a third argument the saved corpus is only read
# and new inputs go to <that folder>/<target> instead (the brief runs of `make test`).
set -u
build=${1:-build-fuzz}
seconds=${2:-60}
scratch=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
status=0
found=0
for program in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$program" ] || continue
  found=1
  name=$(basename "$program")
  corpus="$here/corpus/$name"
  mkdir -p "$corpus"
  seeds="$build/tests/fuzz/seeds/$name"
  [ -d "$seeds" ] || seeds=
  folders=("$corpus")
  if [ -n "$scratch" ]; then
    mkdir -p "$scratch/$name"
    folders=("$scratch/$name" "$corpus")
  fi
  echo "== $name for ${seconds}s"
  "$program" "${folders[@]}" ${seeds:+"$seeds"} -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$build/$name-" || status=1
done
if [ $found -eq 0 ]; then
  echo "run_all.sh: no fuzz targets in $build/tests/fuzz" >&2
  status=1
fi
exit $status
