#!/usr/bin/env bash
# CPU share of one core used while the camp idles: a player well into the game (every building of
# the camp built, tips off) looks at the camp, its palms swaying and the waves breaking, drawn by
# the software renderer into a window under Xvfb, measured over 10 s after 6 s of settling.
# Budget: under 20 %.
# Usage: process_camp_idle_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"

prepare_save() {
  local folder="$1/Drovana Games/Quorvane/Ver0.2"
  mkdir -p "$folder"
  printf 'SELECTED_PLAYER_PROFILE=0\nFULL_SCREEN=false\n' >"$folder/settings.ini"
  cat >"$folder/player00.ini" <<'PROFILE'
PlayerName=Bench
CURRENT_LEVEL=5
CURRENT_RESOURCES=4321
SHOW_TIPS=0
SAW_FIRST_ANNOUNCEMENT=1
SAW_MORE_HUTS_ANNOUNCEMENT=1
SAW_CONGRATS_CAMP_MESSAGE=1
SAW_ANIMAL_ANNOUNCEMENT=1
VISITED_MAP=1
[TIPS]
SAW_EXPLORE_TIP=1
[REWARDS]
MED_SUPPLIES=1
BSUPPLY=1
[BUILDING_DATA]
HUTS_BUILT=1
UPG_HUTS_BUILT=1
LAB_BUILT=1
CLINIC_BUILT=1
FINISH_CAMP_BUILT=1
PROFILE
}

measure_idle_cpu "idle camp" 20 "${SECONDS_SETTLING:-6}"
