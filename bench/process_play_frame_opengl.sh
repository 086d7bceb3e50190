#!/usr/bin/env bash
# The play-screen frame benchmark (bench_playing) on the accelerated renderer over whatever OpenGL the
# machine has, Mesa's llvmpipe included, in an Xvfb; vsync off (vblank_mode=0) so that the frame
# time is the drawing's own. For the record beside the software renderer's figures; a card, not
# llvmpipe, is what the accelerated renderer is for. Usage: process_play_frame_opengl.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
program="$build/bench/bench_playing"
[ -x "$program" ] || { echo "no $program" >&2; exit 1; }
. "$here/xvfb_display.sh"
start_xvfb || exit 1
vblank_mode=0 SDL_AUDIODRIVER=dummy "$program" --benchmark_filter=Accelerated --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true
