#!/usr/bin/env bash
# The game starts full screen, '!' shows the frame-rate text at (20, 260) from the bottom
# left, and SIGTERM ends it cleanly.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768
start_game
wid=$(wait_window)
sleep 1
read -r w h < <(xdotool getwindowgeometry --shell "$wid" | sed -n 's/WIDTH=//p;s/HEIGHT=//p' | xargs)
[[ "$w" == 1024 && "$h" == 768 ]] || fail "window is ${w}x${h}, not full screen"

import -window root "$OUT/before.png"
xdotool key --window "$wid" exclam
sleep 2.2   # the text is the last second's count, refreshed once a second
import -window root "$OUT/after.png"

# The text's baseline is 260 pixels above the bottom: 508 from the top of a 768 screen.
# The game shows its main menu, which stands still: the text is what '!' changes.
region=140x40+15+478
# changed A B GEOMETRY: pixels of the crop that differ between two screenshots.
changed() {
    local n
    n=$(compare -metric AE -fuzz 3% "$OUT/$1.png[$3]" "$OUT/$2.png[$3]" null: 2>&1 || true)
    echo "${n%%.*}"
}
shown=$(changed before after "$region")
echo "pixels changed in the text's place by '!': $shown"
[[ "$shown" -gt 30 ]] || fail "no frame-rate text after '!'"
after=$(bright_pixels "$OUT/after.png" "$region" 90)
[[ "$after" -gt 30 ]] || fail "the frame-rate text is not white"
# Nothing else on the screen changed.
others=$(changed before after 1024x470+0+0)
[[ "$others" -eq 0 ]] || fail "unexpected changes elsewhere: $others"

xdotool key --window "$wid" exclam
sleep 1.2
import -window root "$OUT/hidden.png"
hidden=$(changed before hidden "$region")
[[ "$hidden" -eq 0 ]] || fail "'!' again did not hide the text"

kill -TERM "$GAME_PID"
wait_game_exit 10
[[ "$GAME_STATUS" -eq 0 ]] || fail "exit status $GAME_STATUS after SIGTERM"
[[ ! -s "$OUT/game.err" ]] || fail "unexpected messages: $(cat "$OUT/game.err")"
echo "PASS"
