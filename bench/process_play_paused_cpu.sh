#!/usr/bin/env bash
# CPU share of one core while the game rests in the background: the play screen revealed, then the
# focus taken from its window (xdotool), so the level pauses behind its card; software renderer in
# a 1600 x 900 window under Xvfb, over 10 s. Budget: under 3 %.
# Usage: process_play_paused_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"
UNFOCUSED=1 measure_idle_cpu "paused play screen in the background${SCENERY:+ ($SCENERY)}" 3 "${SECONDS_SETTLING:-6}" --play-first
