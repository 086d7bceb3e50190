#!/usr/bin/env bash
# CPU share of one core used by the idle main loop of the bare shell (--empty-shell) in a software-rendered
# window under Xvfb, over 10 s after a 2 s settling time. Budget: under 10 %.
# Usage: process_idle_cpu.sh <build folder>
set -u
build=${1:-build-bench}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/idle_cpu_share.sh"
measure_idle_cpu "idle main loop" 10 2 --empty-shell
