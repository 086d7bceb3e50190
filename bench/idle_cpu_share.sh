# Sourced by the idle benchmarks: runs the game in a software-rendered window under Xvfb, lets it
# settle, and reports the share of one core it used over the measured seconds against a budget.
# measure_idle_cpu LABEL BUDGET_PERCENT SETTLE_SECONDS [extra program options...]
# Expects $build (the build folder) and $here (the bench folder); exits non-zero over budget.
# Settings by environment:
#   XVFB_SCREEN   the Xvfb screen (default 1920x1080x24); the window size follows from it
#   FULL_SCREEN=1 the game in full screen on that screen instead of a window
#   SCENERY=jungle  the board on the jungle, whose leaves sway every frame (default: the first
#                 level's beach as a new player meets it, its first tip open)
#   UNFOCUSED=1   the focus taken from the game once it settled (the level pauses behind its card)
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
  [ "${SCENERY:-}" = jungle ] && jungle_player "$save"
  local window=--windowed
  [ "${FULL_SCREEN:-0}" = 1 ] && window=
  SDL_AUDIODRIVER=dummy "$program" $window --no-exit-wait "$@" --save "$save" >/dev/null 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$save"; kill "$XVFB_PID" 2>/dev/null' EXIT
  sleep "$settle"
  kill -0 "$pid" 2>/dev/null || { echo "the game did not keep running" >&2; exit 1; }
  if [ "${UNFOCUSED:-0}" = 1 ]; then
    command -v xdotool >/dev/null || { echo "xdotool is needed to take the focus away" >&2; exit 1; }
    xdotool windowfocus "$(xwininfo -root | awk '/Window id/ { print $4 }')"
    sleep 1
  fi
  local before after hz percent_x100
  before=$(cpu_ticks)
  sleep "$seconds"
  after=$(cpu_ticks)
  hz=$(getconf CLK_TCK)
  percent_x100=$(( (after - before) * 10000 / (hz * seconds) ))
  printf '%s: %d.%02d %% of one core over %d s, budget %d %% (machine load %s)\n' "$label" \
    $((percent_x100 / 100)) $((percent_x100 % 100)) "$seconds" "$budget_percent" "$(cut -d' ' -f1 /proc/loadavg)"
  grep -h -- '->Linux\|renderer failed' "$save/Drovana Games/Quorvane/Ver0.2/log.txt" 2>/dev/null | tail -2
  grep -h -- 'window .* on video driver' "$save/Drovana Games/Quorvane/Ver0.2/engine_log.txt" 2>/dev/null | tail -1
  (( percent_x100 < budget_percent * 100 )) || { echo "over budget"; exit 1; }
}

cpu_ticks() {  # utime + stime of the process, in clock ticks
  awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$pid/stat"
}

# A save folder whose chosen player plays on the jungle, without tips.
jungle_player() {
  local folder="$1/Drovana Games/Quorvane/Ver0.2"
  mkdir -p "$folder"
  printf 'SELECTED_PLAYER_PROFILE=0\n' > "$folder/settings.ini"
  printf 'PlayerName=Bench\nCURRENT_BACKGROUND=2\nSHOW_TIPS=0\n' > "$folder/player00.ini"
}
