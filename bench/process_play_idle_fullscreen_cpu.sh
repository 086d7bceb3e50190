#!/usr/bin/env bash
# CPU share of one core while the play screen idles in full screen on a 1920 x 1080 Xvfb screen
# (the 1600 x 900 canvas scaled by 1.2), software renderer, over 10 s after 6 s of settling.
# Budget: under 20 %. SCENERY=jungle measures the board whose leaves sway every frame.
# Usage: process_play_idle_fullscreen_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"
FULL_SCREEN=1 measure_idle_cpu "idle play screen, full screen 1920 x 1080${SCENERY:+ ($SCENERY)}" 20 \
  "${SECONDS_SETTLING:-6}" --play-first
