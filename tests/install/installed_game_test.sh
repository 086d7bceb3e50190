#!/usr/bin/env bash
# The game as a player installs it: `cmake --install` into a scratch root and the Debian package
# installed into another with dpkg, each started headless from an unrelated working folder with
# no option naming the data; the desktop files pass the desktop's own validators; the package
# declares what it needs and removes without leaving files behind.
# usage: installed_game_test.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

app_id=com.drovanagames.Quorvane
save="Drovana Games/Quorvane/Ver0.2"

# Starts the game below root as a player would and checks that it found all its data.
starts_headless() {
  local root=$1 home=$scratch/home-$2
  mkdir -p "$home"
  if ! (cd / && XDG_DATA_HOME=$home SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$root/usr/bin/quorvane" --windowed --frames 5 --manual-clock --no-exit-wait > "$home/output.txt" 2>&1); then
    fail "$2: the installed game did not end cleanly"; cat "$home/output.txt"; return
  fi
  grep -q "=== Game started ===" "$home/$save/log.txt" || fail "$2: the game did not start"
  if grep -q "Media Missing" "$home/$save/log.txt"; then fail "$2: data missing"; fi
  if grep -q "window icon" "$home/$save/engine_log.txt"; then fail "$2: no window icon"; fi
}

holds_desktop_files() {
  local root=$1 size
  for file in usr/bin/quorvane usr/share/quorvane/levels.ini usr/share/quorvane/locale.ini \
              usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
              usr/share/man/man6/quorvane.6; do
    [ -f "$root/$file" ] || fail "$2: $file not installed"
  done
  for size in 16 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/quorvane.png" ] || fail "$2: no ${size}px icon"
  done
}

# cmake --install with DESTDIR.
root=$scratch/install
DESTDIR=$root cmake --install "$build" --prefix /usr > /dev/null
holds_desktop_files "$root" install
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" > "$scratch/appstream.txt" ||
  { fail "metainfo"; cat "$scratch/appstream.txt"; }
version=$(grep -m1 "CMAKE_PROJECT_VERSION:" "$build/CMakeCache.txt" | cut -d= -f2)
[ "$("$root/usr/bin/quorvane" --version)" = "quorvane $version" ] || fail "--version"
starts_headless "$root" install

# The Debian package, installed into an empty dpkg database and removed again.
(cd "$build" && cpack -G DEB -B "$scratch/package" > "$scratch/cpack.txt" 2>&1) || { cat "$scratch/cpack.txt"; exit 1; }
deb=$(ls "$scratch"/package/quorvane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in *libsdl2*) ;; *) fail "the package does not depend on SDL2: $depends" ;; esac
root=$scratch/dpkg
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The scratch database knows none of the dependencies: they are the host's.
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless -i "$deb" > /dev/null 2>&1
holds_desktop_files "$root" package
starts_headless "$root" package
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless -r quorvane > /dev/null 2>&1
left=$(find "$root/usr" -type f 2>/dev/null | head -5)
[ -z "$left" ] || fail "removing the package left: $left"

[ "$failures" -eq 0 ] && echo "installed game: all checks passed"
exit "$failures"
