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
region=140x40+15+478
before=$(bright_pixels "$OUT/before.png" "$region" 90)
after=$(bright_pixels "$OUT/after.png" "$region" 90)
echo "white pixels in the text's place: before '!' $before, after $after"
[[ "$before" -eq 0 ]] || fail "text shown before '!'"
[[ "$after" -gt 30 ]] || fail "no frame-rate text after '!'"
# Nothing else on the screen is lit.
others=$(bright_pixels "$OUT/after.png" 1024x400+0+0 90)
[[ "$others" -eq 0 ]] || fail "unexpected bright pixels elsewhere: $others"

xdotool key --window "$wid" exclam
sleep 1.2
import -window root "$OUT/hidden.png"
hidden=$(bright_pixels "$OUT/hidden.png" "$region" 90)
[[ "$hidden" -eq 0 ]] || fail "'!' again did not hide the text"

kill -TERM "$GAME_PID"
wait_game_exit 10
[[ "$GAME_STATUS" -eq 0 ]] || fail "exit status $GAME_STATUS after SIGTERM"
[[ ! -s "$OUT/game.err" ]] || fail "unexpected messages: $(cat "$OUT/game.err")"
echo "PASS"
