#!/usr/bin/env bash
# Start-up time of the bare shell (an empty state, nothing loaded) to its first presented frame, in a real window under Xvfb with the
# software renderer: median of 10 launches. Budget: 300 ms. Usage: process_startup.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
program="$build/quorvane"
runs=${RUNS:-10}
budget_ms=300
[ -x "$program" ] || { echo "no $program" >&2; exit 1; }
. "$here/xvfb_display.sh"
start_xvfb || exit 1

save=$(mktemp -d)
trap 'rm -rf "$save"; kill "$XVFB_PID" 2>/dev/null' EXIT
times=()
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  out=$(SDL_AUDIODRIVER=dummy "$program" --windowed --frames 2 --no-exit-wait --report-first-frame --empty-shell \
        --save "$save" 2>/dev/null)
  stamp=$(printf '%s\n' "$out" | sed -n 's/^first-frame-ns //p')
  [ -n "$stamp" ] || { echo "run $i: no first frame reported" >&2; exit 1; }
  times+=($(( (stamp - start) / 1000 )))
done
renderer=$(grep -h -- '->Linux\|renderer failed' "$save/Drovana Games/Quorvane/Ver0.2/log.txt" | tail -2 | tr '\n' ' ')
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
n=${#sorted[@]}
if (( n % 2 )); then median=${sorted[n/2]}; else median=$(( (sorted[n/2-1] + sorted[n/2]) / 2 )); fi
printf 'startup to first frame: median %d.%03d ms over %d runs (min %d.%03d, max %d.%03d), budget %d ms\n' \
  $((median / 1000)) $((median % 1000)) "$n" $((sorted[0] / 1000)) $((sorted[0] % 1000)) \
  $((sorted[n-1] / 1000)) $((sorted[n-1] % 1000)) "$budget_ms"
echo "renderer: $renderer"
(( median <= budget_ms * 1000 )) || { echo "over budget"; exit 1; }
