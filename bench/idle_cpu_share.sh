# Sourced by the idle benchmarks: runs the game in a software-rendered window under Xvfb, lets it
# settle, and reports the share of one core it used over the measured seconds against a budget.
# measure_idle_cpu LABEL BUDGET_PERCENT SETTLE_SECONDS [extra program options...]
# Expects $build (the build folder) and $here (the bench folder); exits non-zero over budget.
measure_idle_cpu() {
  local label=$1 budget_percent=$2 settle=$3
  shift 3
  local program="$build/quorvane"
  local seconds=${SECONDS_MEASURED:-10}
  [ -x "$program" ] || { echo "no $program" >&2; exit 1; }
  . "$here/xvfb_display.sh"
  start_xvfb || exit 1
  save=$(mktemp -d)
  # A script that needs a player's progress in place defines prepare_save SAVE_PARENT.
  if declare -F prepare_save >/dev/null; then prepare_save "$save"; fi
  SDL_AUDIODRIVER=dummy "$program" --windowed --no-exit-wait "$@" --save "$save" >/dev/null 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$save"; kill "$XVFB_PID" 2>/dev/null' EXIT
  sleep "$settle"
  kill -0 "$pid" 2>/dev/null || { echo "the game did not keep running" >&2; exit 1; }
  local before after hz percent_x100
  before=$(cpu_ticks)
  sleep "$seconds"
  after=$(cpu_ticks)
  hz=$(getconf CLK_TCK)
  percent_x100=$(( (after - before) * 10000 / (hz * seconds) ))
  printf '%s: %d.%02d %% of one core over %d s, budget %d %%\n' "$label" \
    $((percent_x100 / 100)) $((percent_x100 % 100)) "$seconds" "$budget_percent"
  grep -h -- '->Linux\|renderer failed' "$save/Drovana Games/Quorvane/Ver0.2/log.txt" 2>/dev/null | tail -2
  (( percent_x100 < budget_percent * 100 )) || { echo "over budget"; exit 1; }
}

cpu_ticks() {  # utime + stime of the process, in clock ticks
  awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"
}
