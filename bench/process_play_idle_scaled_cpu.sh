#!/usr/bin/env bash
# CPU share of one core while the play screen idles in the 1365 x 768 window a 1366 x 768 desktop
# gets (display scale 0.853), software renderer under Xvfb, over 10 s after 6 s of settling.
# Budget: under 20 %. SCENERY=jungle measures the board whose leaves sway every frame.
# Usage: process_play_idle_scaled_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"
XVFB_SCREEN=1366x768x24 measure_idle_cpu "idle play screen, 1366 x 768 desktop${SCENERY:+ ($SCENERY)}" 20 "${SECONDS_SETTLING:-6}" --play-first
