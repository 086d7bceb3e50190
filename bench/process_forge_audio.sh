#!/usr/bin/env bash
# Whole-process timing of the forge's sound steps (every effect, jingle, music loop and
# ambience synthesised and encoded).
# Usage: bench/process_forge_audio.sh <build dir>
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/bench/forge_steps_timing.sh"
steps="audio_music_title,audio_music_camp,audio_music_play1,audio_music_play2,audio_music_play3"
steps="$steps,audio_music_play4,audio_music_play5,audio_sfx_board,audio_sfx_play,audio_sfx_world"
steps="$steps,audio_movie,audio_movie_env,audio_named,audio_named_env"
time_forge_steps sound "$steps"
