#!/usr/bin/env bash
# Whole-process timing of the forge's island map steps (the whole island painted and cut into
# its landmasses and glows, the sea, markers, icons and buttons), run three times into a scratch
# folder. Reports the median wall and CPU time (user + system), the share of the forge's
# one-minute budget, and what the map adds to the data folder.
# Usage: bench/process_forge_map.sh <build dir>
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")/.." && pwd)
forge="$build/tools/forge/forge"
steps="map_landmasses,map_sea,map_markers,map_icons,map_buttons"
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
echo "forge map steps: median wall ${wall} s, median CPU ${cpu} s over 3 runs"
echo "share of the 60 s forge budget (CPU): $(echo "scale=2; $cpu / 60" | bc)"
echo "data written: $(du -sk "$scratch/run1" | cut -f1) KB"
