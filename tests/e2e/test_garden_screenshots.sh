#!/usr/bin/env bash
# Every garden scene as the bee sees it behind the hive: a picture with sky on top, ground
# below and plenty of colours, and, where the scene has an exit, a different picture round
# the hive once the exit is open. The pictures stay in the output folder to look at.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768

scenes="00 01 02 03 04 05 06 07 08 09 10 20 21 22 23 24 25 26"

# shoot SCENE FILE [--exit-open]
shoot() {
    local scene=$1 file=$2
    shift 2
    timeout 60 "$OXA_BIN" --data "$OXA_DATA" --view-scene "$scene" "$@" \
        --screenshot "$file" --frames 3 >"$OUT/game.out" 2>"$OUT/game.err" ||
        fail "scene $scene $*: status $?: $(cat "$OUT/game.err")"
    [[ -s "$file" ]] || fail "scene $scene $*: no picture"
}

# share FILE GEOMETRY CONDITION: the share of pixels in the crop that meet an fx condition
# on r, g, b (0..1), as a whole percentage.
share() {
    convert "$1" -crop "$2" +repage -resize 25% -fx "$3" \
        -format '%[fx:int(100*mean+0.5)]' info:
}

for scene in $scenes; do
    closed="$OUT/scene$scene.png"
    shoot "$scene" "$closed"
    # The top band is sky: light and blue-ish, or the pink and violet of the evening skies.
    sky=$(share "$closed" 1024x100+0+0 '(b >= 0.5 && (r + g + b) / 3 >= 0.45) ? 1 : 0')
    ((sky >= 70)) || fail "scene $scene: only $sky % of the top band looks like sky"
    # The bottom band is ground: green or earthy, not dark, and never blue.
    ground=$(share "$closed" 1024x100+0+668 '(g >= b && max(r, g) >= 0.3) ? 1 : 0')
    ((ground >= 80)) || fail "scene $scene: only $ground % of the bottom band looks like ground"
    colours=$(convert "$closed" -posterize 4 -format '%k' info:)
    ((colours >= 12)) || fail "scene $scene: only $colours colours in 64 levels"

    open="$OUT/scene$scene-open.png"
    shoot "$scene" "$open" --exit-open
    # Round the hive, where the open exit shines; scene 0 has no exit at all.
    convert "$closed" -crop 440x360+292+220 +repage "$OUT/hive-closed.png"
    convert "$open" -crop 440x360+292+220 +repage "$OUT/hive-open.png"
    changed=$(compare -metric AE -fuzz 6% "$OUT/hive-closed.png" "$OUT/hive-open.png" null: 2>&1 || true)
    changed=${changed%%.*}
    if [[ $scene == 00 ]]; then
        ((changed < 50)) || fail "scene 00 has no exit, yet $changed pixels changed when open"
    else
        ((changed >= 400)) || fail "scene $scene: only $changed pixels change round the hive when the exit opens"
    fi
    echo "scene $scene: sky $sky %, ground $ground %, $colours colours, exit changes $changed pixels"
done
echo "PASS"
