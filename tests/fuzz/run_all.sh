#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for the given number of seconds, growing its
# saved corpus under tests/fuzz/corpus/<target>; seeds the build wrote (<build>/tests/fuzz/seeds/
# <target>) are read as well, never written.
set -u
build=${1:-build-fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
status=0
for program in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$program" ] || continue
  name=$(basename "$program")
  corpus="$here/corpus/$name"
  mkdir -p "$corpus"
  seeds="$build/tests/fuzz/seeds/$name"
  [ -d "$seeds" ] || seeds=
  echo "== $name for ${seconds}s"
  "$program" "$corpus" ${seeds:+"$seeds"} -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix="$build/$name-" || status=1
done
exit $status
