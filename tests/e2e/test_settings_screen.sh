#!/usr/bin/env bash
# The settings screen under Xorg with the dummy driver: 1024 x 768 -> 800 x 600 -> 1024 x 768
# really switch the display (xrandr follows) and the yellow mark follows the mode; quitting
# from 800 x 600 puts the desktop mode back with status 0. In a window (--windowed, Xvfb)
# the window takes the size. The screenshots stay in the output folder to look at.
source "$(dirname "$0")/lib.sh"

shot() {
    sleep 0.3
    xwd -root -silent | convert xwd:- "$OUT/$1.png"
}
# blueness FILE LEFT RIGHT BOTTOM TOP: the mean blue of a menu rectangle (0 to 100); a white
# item is near 100, a yellow one far below.
blueness() {
    local crop
    crop=$(awk -v l="$2" -v r="$3" -v b="$4" -v t="$5" -v w="$W" -v h="$H" \
        'BEGIN { printf "%dx%d+%d+%d", (r - l) * w / 80 - 8, (t - b) * h / 60 - 8, l * w / 80 + 4, (60 - t) * h / 60 + 4 }')
    convert "$OUT/$1.png" -crop "$crop" +repage -channel B -separate -format '%[fx:int(mean*100)]' info:
}
wait_mode() {
    local i
    for i in $(seq 1 80); do
        [[ "$(current_mode)" == "$1" ]] && return 0
        sleep 0.1
    done
    fail "the screen is $(current_mode), expected $1 ($2)"
}
# yellow_on NAME ITEM OTHER: in screenshot NAME the resolution ITEM is yellow, OTHER white.
res_rect=("27.32 43.88 36.82 40.9" "43.78 59.75 36.82 40.9" "60.32 78.28 36.82 40.8")
yellow_on() {
    local on off
    # shellcheck disable=SC2086
    on=$(blueness "$1" ${res_rect[$2]})
    # shellcheck disable=SC2086
    off=$(blueness "$1" ${res_rect[$3]})
    ((on < 45 && off > 70)) || fail "$1: item $2 blue $on, item $3 blue $off"
}

start_xorg_dummy
[[ "$(current_mode)" == 1024x768 ]] || fail "the dummy screen starts at $(current_mode)"
start_game
wid=$(wait_window)
W=1024 H=768
sleep 1.5
menu_at 20 37 # the main menu's settings button
menu_click
menu_at 40 12
shot settings-1024
yellow_on settings-1024 2 1

menu_at 51 38.8 # 800 x 600
menu_click
wait_mode 800x600 "after choosing 800 x 600"
W=800 H=600
menu_at 40 12
shot settings-800
yellow_on settings-800 1 2
[[ "$(identify -format %wx%h "$OUT/settings-800.png")" == 800x600 ]] || fail "the screen is not 800x600"

menu_at 70 38.8 # 1024 x 768
menu_click
wait_mode 1024x768 "after choosing 1024 x 768"
W=1024 H=768
menu_at 40 12
shot settings-back-to-1024
yellow_on settings-back-to-1024 2 1

# 800 x 600 again, back to the main menu, and quit: the desktop mode returns.
menu_at 51 38.8
menu_click
wait_mode 800x600 "after choosing 800 x 600 again"
W=800 H=600
menu_at 60 4 # back
menu_click
menu_at 15 9 # quit
menu_click
menu_at 34.67 26 # yes
menu_click
wait_game_exit 10
[[ "$GAME_STATUS" -eq 0 ]] || fail "quit at 800x600: status $GAME_STATUS"
wait_mode 1024x768 "after the quit"
echo "settings under Xorg: 1024x768 -> 800x600 -> 1024x768 followed by xrandr; quit: status 0, 1024x768 back"
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null || true
SERVER_PID=""

# In a window the window takes the size; the display stays as it is.
start_xvfb 1024x768
start_game --windowed
wid=$(wait_window)
W=1024 H=768
sleep 1.5
menu_at 20 37
menu_click
menu_at 51 38.8
menu_click
sleep 0.5
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: //p')
[[ "$geometry" == 800x600 ]] || fail "the window is $geometry after choosing 800 x 600"
W=800 H=600
menu_at 40 12
sleep 0.3
xwd -id "$wid" -silent | convert xwd:- "$OUT/windowed-800.png"
yellow_on windowed-800 1 2
kill -TERM "$GAME_PID"
wait_game_exit 10
echo "windowed: the window takes 800x600"
echo "PASS"
