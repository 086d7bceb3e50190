#!/usr/bin/env bash
# Start-up on the default data: process launch to the first frame of the first state, in a real
# window under Xvfb with the software renderer and dummy audio, median of 10 launches (budget
# 1.5 s); the CPU time it took; where the loading time goes (median of each step of the game's
# start-up); and the resident memory once the first frame is shown (VmRSS and the peak VmHWM from
# /proc, budget 200 MB). Usage: process_startup_data.sh <build folder>  (DATA=<folder> to use other data)
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
program="$build/quorvane"
data=${DATA:-$build/data}
runs=${RUNS:-10}
budget_ms=1500
budget_mb=200
[ -x "$program" ] || { echo "no $program" >&2; exit 1; }
[ -d "$data" ] || { echo "no data folder $data (make forge, or DATA=...)" >&2; exit 1; }
. "$here/xvfb_display.sh"
start_xvfb || exit 1

work=$(mktemp -d)
trap 'rm -rf "$work"; kill "$XVFB_PID" 2>/dev/null' EXIT
ticks=$(getconf CLK_TCK)

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) { print 0; exit } if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: > "$work/wall" ; : > "$work/cpu" ; : > "$work/rss" ; : > "$work/hwm" ; : > "$work/steps"
for i in $(seq "$runs"); do
  out="$work/out$i"
  : > "$out"
  start=$(date +%s%N)
  SDL_AUDIODRIVER=dummy "$program" --data "$data" --save "$work/save" --windowed --frames 1000000 --no-exit-wait \
    --report-first-frame --report-load-times > "$out" 2>/dev/null &
  pid=$!
  stamp=""
  for _ in $(seq 3000); do
    stamp=$(sed -n 's/^first-frame-ns //p' "$out")
    [ -n "$stamp" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
  done
  if [ -z "$stamp" ]; then echo "run $i: no first frame reported" >&2; kill "$pid" 2>/dev/null; exit 1; fi
  awk '/^VmRSS/ { print $2 / 1024 > "'"$work/rss.one"'" } /^VmHWM/ { print $2 / 1024 > "'"$work/hwm.one"'" }' \
    "/proc/$pid/status"
  cat "$work/rss.one" >> "$work/rss"; cat "$work/hwm.one" >> "$work/hwm"
  # utime + stime of the process so far, in ms
  awk -v t="$ticks" '{ print ($14 + $15) * 1000 / t }' "/proc/$pid/stat" >> "$work/cpu"
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  echo $(( (stamp - start) / 1000000 )) >> "$work/wall"
  sed -n 's/^load-time //p' "$out" >> "$work/steps"
done

wall=$(median < "$work/wall"); cpu=$(median < "$work/cpu")
rss=$(median < "$work/rss"); hwm=$(median < "$work/hwm")
printf 'startup to first frame on the default data: median %s ms over %d runs (min %s, max %s), budget %d ms\n' \
  "$wall" "$runs" "$(sort -n "$work/wall" | head -1)" "$(sort -n "$work/wall" | tail -1)" "$budget_ms"
printf 'cpu time to first frame: median %s ms (the machine load was %s)\n' "$cpu" "$(cut -d' ' -f1-3 /proc/loadavg)"
echo "loading steps (median ms of wall clock and of process cpu time):"
for step in $(awk '{ print $1 }' "$work/steps" | awk '!seen[$0]++'); do
  printf '  %-18s %8.1f %8.1f\n' "$step" "$(awk -v s="$step" '$1 == s { print $2 }' "$work/steps" | median)" \
    "$(awk -v s="$step" '$1 == s { print $3 }' "$work/steps" | median)"
done
printf 'memory after start-up: VmRSS median %.1f MB, VmHWM median %.1f MB, budget %d MB\n' "$rss" "$hwm" "$budget_mb"
status=0
awk -v w="$wall" -v b="$budget_ms" 'BEGIN { exit !(w > b) }' && { echo "start-up over budget"; status=1; }
awk -v m="$hwm" -v b="$budget_mb" 'BEGIN { exit !(m > b) }' && { echo "memory over budget"; status=1; }
exit $status
