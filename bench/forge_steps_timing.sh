# Sourced by the forge timings: runs the named forge steps three times into a scratch folder and
# reports the median wall and CPU time (user + system), each as a share of the whole forge's
# one-minute budget, and what the steps write to the data folder.
# time_forge_steps LABEL STEPS (comma-separated)
# Expects $build (the build folder) and $here (the repository root).
time_forge_steps() {
  local label=$1 steps=$2
  local forge="$build/tools/forge/forge"
  scratch=$(mktemp -d)  # not local: the exit trap still needs it
  trap 'rm -rf "$scratch"' EXIT
  local walls=() cpus=() wall user sys
  for run in 1 2 3; do
    /usr/bin/time -f "%e %U %S" -o "$scratch/time" "$forge" --content "$here/content" --out "$scratch/run$run" \
      --only "$steps" >/dev/null
    read -r wall user sys < "$scratch/time"
    walls+=("$wall")
    cpus+=("$(echo "$user + $sys" | bc)")
  done
  median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
  wall=$(median "${walls[@]}")
  local cpu
  cpu=$(median "${cpus[@]}")
  echo "forge $label steps: median wall ${wall} s, median CPU ${cpu} s over 3 runs"
  echo "share of the 60 s forge budget: wall $(echo "scale=2; $wall / 60" | bc), CPU $(echo "scale=2; $cpu / 60" | bc)"
  echo "data written: $(du -sk "$scratch/run1" | cut -f1) KB"
}
