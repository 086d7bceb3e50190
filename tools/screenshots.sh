#!/bin/sh
# Writes the README's screenshots into docs/: the game itself, started headless in its test mode on
# a player part-way through the story, captures one frame of each screen, which ImageMagick shrinks
# to 800 x 450 and stores with a palette of 256 colours (a quarter of the size of a full-colour PNG).
#
# usage: tools/screenshots.sh [BUILD_DIR] [OUT_DIR]    (defaults: build, docs)
set -eu

build=${1:-build}
out=${2:-docs}
game=$build/quorvane
data=$build/data
[ -x "$game" ] || { echo "screenshots: no $game; run 'make game' first" >&2; exit 1; }
[ -d "$data" ] || { echo "screenshots: no $data; run 'make forge' first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# A player who has seen the intro movie, built the huts and the laboratory and explored the coast,
# with the one-time tips already read, so that no tip covers a screen.
profile() {
    save="$work/save/Drovana Games/Quorvane/Ver0.2"
    rm -rf "$work/save"
    mkdir -p "$save"
    cat > "$save/settings.ini" <<'EOF'
FULL_SCREEN=false
SELECTED_PLAYER_PROFILE=0
EOF
    cat > "$save/player00.ini" <<'EOF'
PlayerName=Ada
SHOW_TIPS=0
PLAYED_INTRO_MOVIE=1
CASUAL_MODE_ASKED=1
CASUAL_MODE=1
CURRENT_LEVEL=6
CURRENT_RESOURCES=6400
SAW_FIRST_ANNOUNCEMENT=1
SAW_MORE_HUTS_ANNOUNCEMENT=1
LAST_MAP_LOCATION=REEF_LOOKOUT
[BUILDING_DATA]
HUTS_BUILT=1
LAB_BUILT=1
[LANDMASSES]
CAMP=1
DRIFTWOOD_COAST=1
THORN_WOODS=1
[MAP]
EXPEDITION_COUNT=2
EOF
}

# shot NAME FRAME [OPTION...]: frame FRAME of a run started with the options, as docs/NAME.png.
shot() {
    name=$1
    frame=$2
    shift 2
    profile
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$game" --data "$data" --save "$work/save" --windowed \
        --desktop 1920x1080 --manual-clock --no-exit-wait --frames "$frame" --capture "$work/$name" \
        --capture-frames "$frame" "$@" > "$work/$name.log" 2>&1 || {
        cat "$work/$name.log" >&2
        echo "screenshots: the game failed on $name" >&2
        exit 1
    }
    captured=$(printf '%s/%s/frame_%d.png' "$work" "$name" "$frame")
    [ -f "$captured" ] || { echo "screenshots: frame $frame of $name was not captured" >&2; exit 1; }
    convert "$captured" -resize 800x450 -strip -dither None -colors 256 "PNG8:$out/$name.png"
    echo "$out/$name.png: $(wc -c < "$out/$name.png") bytes"
}

shot title 300
shot camp 240 --camp-first
shot map 300 --map-first
shot board 420 --play-first
shot scene 240 --scene god_of_air
