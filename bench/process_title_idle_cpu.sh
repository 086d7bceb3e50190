#!/usr/bin/env bash
# CPU share of one core used while the title idles with a returning player (no name to ask for):
# the fish, waves, rays and both emitters moving, drawn by the software renderer into a window
# under Xvfb, measured over 10 s after 4 s of settling. Budget: under 20 %.
# Usage: process_title_idle_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"

prepare_save() {
  local folder="$1/Drovana Games/Quorvane/Ver0.2"
  mkdir -p "$folder"
  printf 'SELECTED_PLAYER_PROFILE=0\nFULL_SCREEN=false\n' >"$folder/settings.ini"
  printf 'PlayerName=Bench\n' >"$folder/player00.ini"
}

measure_idle_cpu "idle title" 20 "${SECONDS_SETTLING:-4}"
