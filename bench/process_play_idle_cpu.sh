#!/usr/bin/env bash
# CPU share of one core used while the play screen idles: the first level revealed and waiting
# for the player's move, drawn by the software renderer into a window under Xvfb, measured over
# 10 s after the board has had 6 s to reveal itself. Budget: under 25 %.
# Usage: process_play_idle_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"
measure_idle_cpu "idle play screen" 25 "${SECONDS_SETTLING:-6}" --play-first
