#!/usr/bin/env bash
# CPU share of one core used while the play screen idles: the first level revealed and waiting
# for the player's move, drawn by the software renderer into a window under Xvfb, measured over
# 10 s after the board has had 6 s to reveal itself. Budget: under 25 %.
# Usage: process_play_idle_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
program="$build/quorvane"
seconds=${SECONDS_MEASURED:-10}
settle=${SECONDS_SETTLING:-6}
budget_percent=25
[ -x "$program" ] || { echo "no $program" >&2; exit 1; }
. "$here/xvfb_display.sh"
start_xvfb || exit 1

save=$(mktemp -d)
SDL_AUDIODRIVER=dummy "$program" --windowed --no-exit-wait --save "$save" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$save"; kill "$XVFB_PID" 2>/dev/null' EXIT

cpu_ticks() {  # utime + stime of the process, in clock ticks
  awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"
}
sleep "$settle"
kill -0 "$pid" 2>/dev/null || { echo "the game did not keep running" >&2; exit 1; }
before=$(cpu_ticks)
sleep "$seconds"
after=$(cpu_ticks)
hz=$(getconf CLK_TCK)
percent_x100=$(( (after - before) * 10000 / (hz * seconds) ))
printf 'idle play screen: %d.%02d %% of one core over %d s, budget %d %%\n' \
  $((percent_x100 / 100)) $((percent_x100 % 100)) "$seconds" "$budget_percent"
grep -h -- '->Linux\|renderer failed' "$save/Drovana Games/Quorvane/Ver0.2/log.txt" 2>/dev/null | tail -2
(( percent_x100 < budget_percent * 100 )) || { echo "over budget"; exit 1; }
