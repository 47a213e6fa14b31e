#!/usr/bin/env bash
# While playing, the pointer stays inside the game window (a second monitor cannot
# swallow it); in the menus it is free. A 640x480 window on a 1024x768 screen shows both.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768
copy_data
printf '1\r\n640\r\n480\r\n32\r\n' >"$DATA_DIR/STA/sta_scr.mtt"

pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }

start_game --windowed --level 1
wid=$(wait_window)
sleep 2
read -r w h < <(xdotool getwindowgeometry --shell "$wid" | sed -n 's/WIDTH=//p;s/HEIGHT=//p' | xargs)
[[ "$w" == 640 && "$h" == 480 ]] || fail "the window is ${w}x${h}"
xdotool mousemove 1000 700
sleep 0.3
read -r x y < <(pointer)
echo "in play the pointer sent to 1000,700 is at $x,$y"
((x < 640 && y < 480)) || fail "the pointer left the window while playing"
kill -TERM "$GAME_PID"
wait_game_exit 10

start_game --windowed
wait_window >/dev/null
sleep 1
xdotool mousemove 1000 700
sleep 0.3
read -r x y < <(pointer)
echo "in the menus the pointer sent to 1000,700 is at $x,$y"
((x == 1000 && y == 700)) || fail "the pointer is held in the menus"
kill -TERM "$GAME_PID"
wait_game_exit 10
echo "PASS"
