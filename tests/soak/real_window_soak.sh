#!/bin/bash
# The game in a real X window under Xvfb, fed random input by xdotool for a given time: taps,
# double clicks, right clicks, drags that leave the window, key mashing, typed text, focus moving
# to another window and back, the window resized, unmapped and minimised. Real events arrive in
# shapes the scripted input never makes (a press and its release within one step, a first drag
# motion that jumps, focus that comes and goes). Samples the game's resident memory every minute,
# keeps a screenshot now and then, and fails when the game dies before it is closed. Every few
# minutes the game is closed (as the window manager would) and started again on the next screen of
# a rotation (title, movie, play screen, the two adventure scenes), so the input meets them all.
#
#   real_window_soak.sh QUORVANE DATA_FOLDER OUT_FOLDER [SECONDS] [DISPLAY_NUMBER]
set -u
game=$1
data=$2
out=$3
seconds=${4:-600}
display=${5:-63}
screen_w=1600
screen_h=900

mkdir -p "$out"
save=$(mktemp -d)
Xvfb ":$display" -screen 0 ${screen_w}x${screen_h}x24 -nolisten tcp -noreset > /dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$display
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

# Another client to take the focus away.
xmessage -geometry +1200+800 "elsewhere" > /dev/null 2>&1 &
other_client=$!

starts=("" "--movie-first" "--play-first" "--scene god_of_air" "--scene medical_supplies_hog")
start_index=0
run_seconds=${RUN_SECONDS:-100}
# shellcheck disable=SC2086 # the start options are words
start_game() {
  "$game" --data "$data" --save "$save" --windowed --no-exit-wait ${starts[start_index % ${#starts[@]}]} \
    >> "$out/game-output.txt" 2>&1 &
  game_pid=$!
  game_started=$(date +%s)
  start_index=$((start_index + 1))
}
: > "$out/game-output.txt"
start_game
cleanup() {
  kill "$other_client" 2> /dev/null
  kill "$game_pid" 2> /dev/null
  wait "$game_pid" 2> /dev/null
  kill "$xvfb" 2> /dev/null
  wait "$xvfb" 2> /dev/null
  rm -rf "$save"
}
trap cleanup EXIT

find_window() {
  window=""
  for _ in $(seq 600); do
    window=$(xdotool search --pid "$game_pid" --onlyvisible 2> /dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$game_pid" 2> /dev/null || break
    sleep 0.5
  done
  if [ -z "$window" ]; then
    echo "real-window soak: the game window never appeared"
    tail -n 40 "$out/game-output.txt"
    exit 1
  fi
  geometry
}
other_window=$(xdotool search --pid "$other_client" 2> /dev/null | head -n 1)

RANDOM=${SOAK_SEED:-1}
rss_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$game_pid/status" 2> /dev/null; }
geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window" 2> /dev/null)"
  win_x=${X:-0} win_y=${Y:-0} win_w=${WIDTH:-$screen_w} win_h=${HEIGHT:-$screen_h}
}
inside() { # a point inside the window, in screen coordinates, as it stood at the last resize
  px=$((win_x + RANDOM % (win_w > 0 ? win_w : 1)))
  py=$((win_y + RANDOM % (win_h > 0 ? win_h : 1)))
}
keys=(Escape Return space Left Right Up Down Tab BackSpace Delete F1 F5 F11 a q z 1 9 alt+Tab ctrl+q)

act() {
  local roll=$((RANDOM % 100))
  if ((roll < 40)); then
    inside; xdotool mousemove "$px" "$py" click 1
  elif ((roll < 48)); then
    inside; xdotool mousemove "$px" "$py" click --repeat 2 --delay 60 1
  elif ((roll < 51)); then
    inside; xdotool mousemove "$px" "$py" click 3
  elif ((roll < 63)); then # a drag, now and then leaving the window
    inside; xdotool mousemove "$px" "$py" mousedown 1
    local steps=$((1 + RANDOM % 5)) i
    for ((i = 0; i < steps; i++)); do
      xdotool mousemove -- $((RANDOM % (screen_w + 200) - 100)) $((RANDOM % (screen_h + 200) - 100))
    done
    xdotool mouseup 1
  elif ((roll < 73)); then
    local n=$((1 + RANDOM % 6)) i
    for ((i = 0; i < n; i++)); do xdotool key --window "$window" "${keys[RANDOM % ${#keys[@]}]}"; done
  elif ((roll < 78)); then
    xdotool type --delay 20 "Ana$((RANDOM % 1000)) ü"
  elif ((roll < 84)); then # focus away and back
    [ -n "$other_window" ] && xdotool windowfocus "$other_window" 2> /dev/null
    sleep 0.$((RANDOM % 9))
    xdotool windowfocus "$window" 2> /dev/null
  elif ((roll < 89)); then
    xdotool windowsize "$window" $((640 + RANDOM % 1100)) $((400 + RANDOM % 600)) 2> /dev/null
    geometry
  elif ((roll < 92)); then
    xdotool windowminimize "$window" 2> /dev/null
    xdotool windowunmap "$window" 2> /dev/null
    sleep 0.$((RANDOM % 9))
    xdotool windowmap "$window" 2> /dev/null
    xdotool windowactivate "$window" 2> /dev/null || xdotool windowfocus "$window" 2> /dev/null
  elif ((roll < 94)); then
    xdotool windowsize "$window" "$screen_w" "$screen_h" 2> /dev/null
    geometry
  else
    sleep 0.$((RANDOM % 9))
  fi
}

# Waits for the game to end; any status but 0 fails the run, else the next start follows.
restart_after_clean_end() {
  local status
  wait "$game_pid"
  status=$?
  if ((status != 0)); then
    echo "real-window soak: $1 after $actions actions: status $status"
    tail -n 40 "$out/game-output.txt"
    exit 1
  fi
  start_game
  find_window
}

find_window
start=$(date +%s)
next_sample=$((start + 10))  # the first sample once the game has loaded
minute=0
actions=0
rss_first="" rss_peak=0 rss_last=0
while (($(date +%s) - start < seconds)); do
  if (($(date +%s) - game_started >= run_seconds)); then
    kill -TERM "$game_pid"  # SDL turns it into the window being closed
    restart_after_clean_end "closing the game"
  elif ! kill -0 "$game_pid" 2> /dev/null; then
    # The title's Exit: a clean end is fine, the game is started again.
    restart_after_clean_end "the game closed itself"
  fi
  if (($(date +%s) >= next_sample)); then
    rss_last=$(rss_kb)
    rss_last=${rss_last:-0}
    [ -z "$rss_first" ] && rss_first=$rss_last
    ((rss_last > rss_peak)) && rss_peak=$rss_last
    echo "rss minute $minute: $((rss_last / 1024)) MB"
    import -window root "$out/minute_$minute.png" 2> /dev/null
    minute=$((minute + 1))
    next_sample=$((next_sample + 60))
  fi
  act
  actions=$((actions + 1))
done
echo "real-window soak: $actions actions in $seconds s over $start_index starts; rss start $((rss_first / 1024)) MB, end $((rss_last / 1024)) MB, peak $((rss_peak / 1024)) MB"
import -window root "$out/end.png" 2> /dev/null
kill -TERM "$game_pid"  # SDL turns it into the window being closed
wait "$game_pid"
status=$?
trap - EXIT
kill "$other_client" 2> /dev/null
kill "$xvfb" 2> /dev/null
wait "$xvfb" 2> /dev/null
rm -rf "$save"
echo "real-window soak: the game ended with status $status"
exit $((status != 0))
