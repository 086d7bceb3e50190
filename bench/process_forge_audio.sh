#!/usr/bin/env bash
# Whole-process timing of the forge's sound steps (every effect, jingle, music loop and
# ambience synthesised and encoded), run three times into a scratch folder. Reports the median
# wall time and the median CPU time (user + system) and, as a ratio, how much of the whole
# forge's one-minute budget the sound takes.
# Usage: bench/process_forge_audio.sh <build dir>
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")/.." && pwd)
forge="$build/tools/forge/forge"
steps="audio_music_title,audio_music_camp,audio_music_play1,audio_music_play2,audio_music_play3"
steps="$steps,audio_music_play4,audio_music_play5,audio_sfx_board,audio_sfx_play,audio_sfx_world"
steps="$steps,audio_movie,audio_movie_env,audio_named,audio_named_env"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
walls=()
cpus=()
for run in 1 2 3; do
  out="$scratch/run$run"
  /usr/bin/time -f "%e %U %S" -o "$scratch/time" "$forge" --content "$here/content" --out "$out" --only "$steps" >/dev/null
  read -r wall user sys < "$scratch/time"
  walls+=("$wall")
  cpus+=("$(echo "$user + $sys" | bc)")
done
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
wall=$(median "${walls[@]}")
cpu=$(median "${cpus[@]}")
echo "forge sound steps: median wall ${wall} s, median CPU ${cpu} s over 3 runs"
echo "share of the 60 s forge budget (wall): $(echo "scale=2; $wall / 60" | bc)"
echo "data written: $(du -sk "$scratch/run1" | cut -f1) KB"
