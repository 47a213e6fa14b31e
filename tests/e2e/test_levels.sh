#!/usr/bin/env bash
# Every level starts from its id: a picture with sky, ground, the bee, the flowers' nectar
# and the panel. A flight driven through the X server moves and turns the bee, and a stage
# left alone ends when its clock runs out. The pictures stay in the output folder.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768

# share FILE GEOMETRY CONDITION: the share of pixels in the crop that meet an fx condition
# on r, g, b (0..1), as a whole percentage.
share() {
    convert "$1" -crop "$2" +repage -fx "$3" -format '%[fx:int(100*mean+0.5)]' info:
}
# count FILE GEOMETRY CONDITION: how many pixels of the crop meet the condition.
count() {
    convert "$1" -crop "$2" +repage -fx "$3" -format '%[fx:int(mean*w*h+0.5)]' info:
}

for level in 1 2 3 4 5 6 7 8 9 10; do
    shot="$OUT/level$level.png"
    timeout 120 "$OXA_BIN" --data "$OXA_DATA" --level "$level" --screenshot "$shot" --frames 20 \
        >"$OUT/game.out" 2>"$OUT/game.err" || fail "level $level: status $?: $(cat "$OUT/game.err")"
    [[ ! -s "$OUT/game.err" ]] || fail "level $level: $(cat "$OUT/game.err")"
    # Sky above the panel's clock plate, on the right: light, blue-ish or the evening tints.
    sky=$(share "$shot" 500x90+500+0 '(b >= 0.45 && (r + g + b) / 3 >= 0.45) ? 1 : 0')
    ((sky >= 60)) || fail "level $level: only $sky % of the top looks like sky"
    # Ground below the bee, between the panel's plates: green or earthy.
    ground=$(share "$shot" 360x120+330+640 '(g >= b && max(r, g) >= 0.3) ? 1 : 0')
    ((ground >= 70)) || fail "level $level: only $ground % of the bottom looks like ground"
    # The bee in the middle: yellow fur and black stripes.
    yellow=$(count "$shot" 200x220+412+270 '(r > 0.7 && g > 0.5 && b < 0.35) ? 1 : 0')
    black=$(count "$shot" 200x220+412+270 '(r < 0.2 && g < 0.2 && b < 0.2) ? 1 : 0')
    ((yellow >= 800 && black >= 800)) || fail "level $level: no bee in the middle ($yellow yellow, $black black pixels)"
    # The panel's cream plates in three corners.
    for plate in 300x80+20+15 300x80+20+680 150x180+860+560; do
        cream=$(share "$shot" "$plate" '(r > 0.85 && g > 0.75 && b > 0.45 && b < 0.85) ? 1 : 0')
        ((cream >= 25)) || fail "level $level: no panel plate at $plate ($cream %)"
    done
    echo "level $level: sky $sky %, ground $ground %, bee $yellow/$black pixels"
done

# A flight through the X server: Up held, the pointer right of the centre.
start_game --level 1
wid=$(wait_window)
sleep 7  # the countdown holds the bee for five seconds
import -window root "$OUT/flight-before.png"
xdotool mousemove --window "$wid" 860 384
xdotool keydown --window "$wid" Up
sleep 3
import -window root "$OUT/flight-after.png"
xdotool keyup --window "$wid" Up
kill -TERM "$GAME_PID"
wait_game_exit 10
[[ "$GAME_STATUS" -eq 0 ]] || fail "exit status $GAME_STATUS after the flight"
# The garden round the bee has changed: she has flown on and turned.
changed=$(compare -metric AE -fuzz 10% "$OUT/flight-before.png" "$OUT/flight-after.png" null: 2>&1 || true)
changed=${changed%%.*}
echo "flight: $changed pixels changed"
((changed > 200000)) || fail "the picture hardly changed ($changed pixels): the bee did not fly"

# Left alone, the stage ends when its clock runs out (a second per frame, so it is quick).
timeout 120 "$OXA_BIN" --data "$OXA_DATA" --level 1 --once --fixed-step 1000 \
    >"$OUT/timeup.out" 2>"$OUT/game.err" || fail "time-up run: status $?: $(cat "$OUT/game.err")"
grep -qx "level 01 difficulty 1: time up, nectar 0, time 0, total 0, unlocked 1, stolen 0" "$OUT/timeup.out" ||
    fail "time-up line: $(cat "$OUT/timeup.out")"
echo "PASS"
