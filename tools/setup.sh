#!/usr/bin/env bash
# Installs the Debian packages the game, its forge, its tests and benchmarks need.
# Does nothing when every package is already there, so `make run` stays fast on a second call.
set -eu

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libx11-dev libpng-dev libjpeg-dev zlib1g-dev libogg-dev libvorbis-dev angelscript-dev
  libcairo2-dev libfreetype-dev
  ttf-bitstream-vera fonts-averia-serif-gwf fonts-comic-neue
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth imagemagick
  desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
