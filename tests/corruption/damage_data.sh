#!/bin/bash
# Damaged data: files of each kind of the default data folder are truncated, bit-flipped and emptied
# in turn, each on its own copy of the folder, and the game is played (by the soak's random player)
# on the screen that loads the file. The game must log and go on with a sound default, or end
# through the missing-media path with its message; it must never crash or hang, and the player's
# files it writes must stay plain INI text. Prints one table row per case and exits non-zero on
# the first case that fails.
#
#   damage_data.sh SOAK_GAME DATA_FOLDER WORK_FOLDER [quick|all] [FRAMES] [DAMAGE]
#
# quick: one file of each kind (the ctest entries); all: several files of each kind. DAMAGE is one
# of truncated, bit-flipped, emptied (default: each in turn). ONLY_FILES, a regular expression,
# keeps the files whose path it matches.
set -u
soak=$1
data=$2
work=$3
set_name=${4:-quick}
frames=${5:-300}
run_limit=${RUN_LIMIT_SECONDS:-300}   # a run longer than this is a hang

# kind|file|screen that loads it; "quick" rows are marked with a leading '*'.
cases=(
  "*picture PNG|img/gui/button_m.png|title"
  " picture PNG|img/states/camp/btnplay.png|camp"
  " picture PNG|inventory/compass.png|god_of_air"
  "*picture JPEG|img/states/camp/back.jpg|camp"
  " picture JPEG|img/survey.jpg|title"
  "*font table|fonts/artifika_14pt.table|title"
  " font picture|fonts/artifika_14pt.png|title"
  " font table|fonts/vera-bold_12pt.table|play"
  "*sound (sample)|sounds/sfx/button_click.ogg|title"
  " sound (music stream)|sounds/music/title.ogg|title"
  " sound (ambience stream)|sounds/env_named/beach.ogg|god_of_air"
  "*level|levels/level_0.lvl|play"
  " level border|levels/border_0.lvl|play"
  "*INI table|levels.ini|play"
  " INI table|build.ini|camp"
  " INI table|map.ini|map"
  " INI table|locale.ini|title"
  " language table|Locale/lookup.txt|title"
  "*animation (skeleton JSON)|Spine/cut1-skeleton.json|movie"
  " animation (animation JSON)|Spine/cut1-animation.json|movie"
  "*PSD scene|Scenes/god_of_air.psd|god_of_air"
  " PSD scene|Scenes/medical_supplies_hog.psd|medical_supplies_hog"
  "*scene script|Scenes/god_of_air.angel|god_of_air"
  " scene script|Scenes/medical_supplies_hog.angel|medical_supplies_hog"
  "*items|inventory/items.ini|god_of_air"
)
damages=(truncated bit-flipped emptied)
[ -n "${6:-}" ] && damages=("$6")

# Writes the damaged copy next to the file and renames it over the hard link, so the original
# folder is never touched.
damage() {
  local file=$1 how=$2 size
  size=$(stat -c %s "$file")
  cp "$file" "$file.damaged"
  case $how in
    truncated) truncate -s $((size / 2)) "$file.damaged" ;;
    emptied) : > "$file.damaged" ;;
    bit-flipped)
      local flips=$((size / 2000)) i offset byte
      ((flips < 8)) && flips=8
      ((flips > 64)) && flips=64
      RANDOM=$size
      for ((i = 0; i < flips && size > 0; i++)); do
        offset=$(((RANDOM * 32768 + RANDOM) % size))
        byte=$(od -An -tu1 -j "$offset" -N1 "$file.damaged" | tr -d ' ')
        printf "$(printf '\\%03o' $((byte ^ (1 << (RANDOM % 8)))))" |
          dd of="$file.damaged" bs=1 seek="$offset" conv=notrunc status=none
      done ;;
  esac
  mv -f "$file.damaged" "$file"
}

# Player files must stay plain text: no control bytes other than tab and line ends.
player_files_clean() {
  local save=$1 f
  while IFS= read -r -d '' f; do
    LC_ALL=C grep -qP '[\x00-\x08\x0b\x0c\x0e-\x1f]' "$f" && return 1
  done < <(find "$save" -name '*.ini' -print0)
  return 0
}

# What the log says about the file: a line that names it and tells of a failure, else the first
# line that names it at all (paths shortened to the data folder).
what_was_logged() {
  local log=$1 name=$2 data_copy=$3 lines
  [ -f "$log" ] || return
  lines=$(grep -F -- "$name" "$log" | grep -v -e '^No cache for file' | sed "s|$data_copy/||g")
  { grep -i -m1 -E "fail|can't|cannot|not |error|invalid|bad|corrupt|missing|short|trunc|decode|: no " <<< "$lines" ||
    head -n 1 <<< "$lines"; } | cut -c 1-120
}

failed=0
printf '%-28s | %-36s | %-11s | %s\n' "file kind" "file" "damage" "what the game did"
for row in "${cases[@]}"; do
  quick=${row:0:1}
  IFS='|' read -r kind file screen <<< "${row:1}"
  [ "$set_name" = quick ] && [ "$quick" != '*' ] && continue
  [ -n "${ONLY_FILES:-}" ] && ! [[ $file =~ $ONLY_FILES ]] && continue
  for how in "${damages[@]}"; do
    case_dir=$work/case
    rm -rf "$case_dir"
    mkdir -p "$case_dir/save"
    cp -al "$data" "$case_dir/data"
    damage "$case_dir/data/$file" "$how"
    timeout -s KILL "$run_limit" "$soak" --data "$case_dir/data" --save "$case_dir/save" --entry "$screen" \
      --runs 1 --frames-per-run "$frames" --seconds "$run_limit" > "$case_dir/out.txt" 2>&1
    status=$?
    log=$case_dir/save/Drovana\ Games/Quorvane/Ver0.2/log.txt
    logged=$(what_was_logged "$log" "$(basename "$file")" "$case_dir/data")
    box=$(grep -m1 '^soak: message box' "$case_dir/out.txt" | sed 's/^soak: message box //' | cut -c 1-90)
    ran=$(grep -m1 -o '[0-9]* frames (' "$case_dir/out.txt" | cut -d' ' -f1)
    # The screens the run showed, the one it spent most frames on first.
    shown=$(grep '^  screen ' "$case_dir/out.txt" | sed -E 's/^  screen (.*[^ ]) +([0-9]+) frames$/\2 \1/' |
      sort -rn | cut -d' ' -f2- | paste -sd ',' | cut -c 1-60)
    if [ $status -eq 137 ]; then
      verdict="HANG (no end after $run_limit s)"
    elif grep -q -e 'ERROR: AddressSanitizer' -e 'runtime error:' -e 'soak: HANG' "$case_dir/out.txt" || [ $status -gt 1 ]; then
      verdict="CRASH (exit $status): $(grep -m1 -e ERROR -e 'runtime error' -e HANG "$case_dir/out.txt" | cut -c 1-100)"
    elif ! player_files_clean "$case_dir/save"; then
      verdict="WROTE A BAD PLAYER FILE"
    elif [ -n "$box" ]; then
      verdict="missing-media path: $box"
    elif [ $status -ne 0 ]; then
      verdict="FAILED (exit $status)"
    else
      verdict="went on, ${ran:-0} frames on ${shown:-no screen}${logged:+; logged: $logged}"
    fi
    printf '%-28s | %-36s | %-11s | %s\n' "$kind" "$file" "$how" "$verdict"
    case $verdict in
      HANG* | CRASH* | WROTE* | FAILED*)
        failed=1
        cp "$case_dir/out.txt" "$work/failed-$(basename "$file")-$how.txt" ;;
    esac
  done
done
rm -rf "$work/case"
exit $failed
