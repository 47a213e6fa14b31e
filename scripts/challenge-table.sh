#!/usr/bin/env bash
# How hard each stage is: both autopilot styles (the skilled player and the young child)
# play every level at every difficulty, each stage alone from a fresh start, in fixed steps
# without drawing the garden, and one table comes out: won or lost, seconds left on the
# clock, loads stolen by butterflies and dragonflies. Run by hand (about two minutes on two
# cores), not in CI; docs/challenge.md keeps the latest table.
#   scripts/challenge-table.sh BUILD_DIR [STEP_MS]
# With OXA_CHALLENGE_RUN=levels it plays all ten levels of a difficulty in one run
# (--levels 1-10) instead, skilled only, and prints one line per stage.
set -euo pipefail
build=$(cd "${1:?usage: scripts/challenge-table.sh BUILD_DIR [STEP_MS]}" && pwd)
step=${2:-33}
work=$(mktemp -d)
export ALSOFT_DRIVERS=null LP_NUM_THREADS=1
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
read -r -t 20 number <&"$fd"
export DISPLAY=":$number"

# tree DIR: a data tree of its own in DIR, whose progress files a run may write; the rest
# is the build's.
tree() {
    mkdir -p "$1"
    for part in "$build"/data/*; do
        if [[ $(basename "$part") == STA ]]; then cp -r "$part" "$1/"; else ln -s "$part" "$1/"; fi
    done
}

# play STYLE DIFFICULTY LEVEL: one stage alone, on a data tree of its own, its line in
# $work/STYLE-DIFFICULTY-LEVEL.
play() {
    local tree="$work/data-$1-$2-$3"
    tree "$tree"
    "$build/oxa" --data "$tree" --autopilot --autopilot-style "$1" --level "$3" \
        --difficulty "$2" --once --fixed-step "$step" --nosound --window-size 320x240 \
        --no-drawing >"$work/$1-$2-$3" 2>&1 || true
    rm -rf "$tree"
}
export -f play tree
export build step work

if [[ ${OXA_CHALLENGE_RUN:-} == levels ]]; then
    for d in 1 2 3; do
        tree "$work/data-$d"
        "$build/oxa" --data "$work/data-$d" --autopilot --levels 1-10 \
            --difficulty "$d" --fixed-step "$step" --nosound --window-size 320x240 \
            --no-drawing 2>&1 | sed "s/^/step $step: /"
    done
    exit 0
fi

for style in skilled child; do
    for d in 1 2 3; do
        for level in 1 2 3 4 5 6 7 8 9 10; do echo "$style $d $level"; done
    done
done | xargs -P 2 -n 3 bash -c 'play "$0" "$1" "$2"'

# "level 03 difficulty 1: won, nectar 100, time 255, total 2275, unlocked 3, stolen 0"
field() { sed -nE "s/.*$2 ([0-9]+).*/\1/p" "$1"; }
outcome() {
    if grep -q ': won' "$1"; then echo won; elif grep -q 'time up' "$1"; then echo lost; else echo '?'; fi
}
printf '| level | difficulty | skilled | time left | stolen | child | time left | stolen |\n'
printf '|---:|---:|---|---:|---:|---|---:|---:|\n'
for d in 1 2 3; do
    for level in 1 2 3 4 5 6 7 8 9 10; do
        s="$work/skilled-$d-$level" c="$work/child-$d-$level"
        printf '| %d | %d | %s | %s | %s | %s | %s | %s |\n' "$level" "$d" \
            "$(outcome "$s")" "$(field "$s" time)" "$(field "$s" stolen)" \
            "$(outcome "$c")" "$(field "$c" time)" "$(field "$c" stolen)"
    done
done
