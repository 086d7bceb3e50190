#!/usr/bin/env bash
# Whole-process timing of the forge's island map steps (the whole island painted and cut into
# its landmasses and glows, the sea, markers, icons and buttons).
# Usage: bench/process_forge_map.sh <build dir>
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/bench/forge_steps_timing.sh"
time_forge_steps map "map_landmasses,map_sea,map_markers,map_icons,map_buttons"
