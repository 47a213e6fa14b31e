#!/usr/bin/env bash
# Screenshots of the menus in every language, for translators and for anyone who changes a
# menu picture: the main menu, settings, the difficulty screen, the level choice, both
# controls pages, the credits, the quit question and a level's summary, and the six main
# menus side by side (main-menus.png). Run by hand:
#   scripts/menu-shots.sh BUILD_DIR OUT_DIR [LANG...]
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh installs them).
set -euo pipefail
build=${1:?usage: menu-shots.sh BUILD_DIR OUT_DIR [LANG...]}
out=${2:?usage: menu-shots.sh BUILD_DIR OUT_DIR [LANG...]}
shift 2
langs=("$@")
((${#langs[@]})) || langs=(en pl de fr es cs)
oxa="$(cd "$build" && pwd)/oxa"
mkdir -p "$out"
export ALSOFT_DRIVERS=null LP_NUM_THREADS=${LP_NUM_THREADS:-2}

W=1024 H=768
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 ${W}x${H}x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
game=""
trap 'kill $game $server 2>/dev/null || true' EXIT
read -r -t 20 number <&"$fd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number"

# at MX MY: the pointer to a menu position (80 x 60 units, origin bottom left).
at() {
    xdotool mousemove "$(awk -v x="$1" -v w=$W 'BEGIN { printf "%d", x * w / 80 }')" \
        "$(awk -v y="$2" -v h=$H 'BEGIN { printf "%d", (60 - y) * h / 60 }')"
    sleep 0.4
}
click() {
    xdotool click 1
    sleep 1
}
shot() {
    sleep 0.5
    xwd -root -silent | convert xwd:- "$out/$1.png"
}

for lang in "${langs[@]}"; do
    echo "$lang"
    "$oxa" --lang "$lang" --no-intro --nosound --window-size ${W}x${H} --screenshot \
        "$out/main_$lang.png" --frames 5 >/dev/null
    # Level 1 left to itself: its clock runs out in a few hundred one-second steps.
    "$oxa" --lang "$lang" --nosound --window-size ${W}x${H} --level 1 --fixed-step 1000 \
        --screenshot "$out/summary_$lang.png" --frames 400 >/dev/null

    "$oxa" --lang "$lang" --no-intro --nosound --window-size ${W}x${H} >/dev/null 2>&1 &
    game=$!
    for _ in $(seq 1 100); do xdotool search --name '^OXA$' >/dev/null 2>&1 && break; sleep 0.1; done
    sleep 1
    at 15 37 && click && at 60 4 && shot "settings_$lang"
    click
    at 15 51 && click && at 62 5.5 && shot "difficulty_$lang"
    at 22 15 && click && at 62 5.5 && shot "levels_$lang"
    click # back to the difficulty screen, and on to the main menu (a screen hears a click
    at 62.5 5.5 && click # on the button the pointer last moved over)
    at 15 30 && click && at 63 5.5 && shot "controls_$lang"
    click && shot "help_$lang"
    click
    at 15 16 && click && at 63 5.5 && shot "credits_$lang"
    click
    at 15 9 && click && at 35 26 && shot "quit_$lang"
    kill "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    game=""
done

# The main menus side by side, each with its language's code.
args=()
for lang in "${langs[@]}"; do args+=(-label "$lang" "$out/main_$lang.png"); done
montage "${args[@]}" -tile 3x -geometry 512x384+6+6 -pointsize 24 \
    -font /usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf "$out/main-menus.png"
echo "written: $out"
