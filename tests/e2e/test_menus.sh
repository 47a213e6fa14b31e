#!/usr/bin/env bash
# The game opens on its main menu; a player hovers and clicks through the controls, help
# and credits pages and back, leaves a level with Escape and continues it, and quits with
# "yes" (status 0). Under Xorg with the dummy driver the desktop mode is back after the
# quit. The screenshots stay in the output folder to look at.
source "$(dirname "$0")/lib.sh"

# shot NAME: the screen as the X server holds it (xwd is quick; PNGs are made at the end).
shot() {
    sleep 0.2
    xwd -root -silent >"$OUT/$1.xwd"
}
pictures() {
    local name
    for name in "$@"; do convert "$OUT/$name.xwd" "$OUT/$name.png"; done
    rm -f "$OUT"/*.xwd
}
# changed A B [GEOMETRY]: how many pixels differ between two screenshots (in a crop).
changed() {
    local crop=${3:-${W}x${H}+0+0} n
    n=$(compare -metric AE -fuzz 3% "$OUT/$1.xwd[$crop]" "$OUT/$2.xwd[$crop]" null: 2>&1 || true)
    echo "${n%%.*}"
}
# crop of a menu rectangle: LEFT RIGHT BOTTOM TOP in units
crop() {
    awk -v l="$1" -v r="$2" -v b="$3" -v t="$4" -v w="$W" -v h="$H" \
        'BEGIN { printf "%dx%d+%d+%d", (r - l) * w / 80, (t - b) * h / 60, l * w / 80, (60 - t) * h / 60 }'
}
same() {
    local n
    n=$(changed "$1" "$2" "${3:-}")
    # A level leaves the alpha test on: a few soft edges of the menu may differ after one.
    ((n < 400)) || fail "$1 and $2 differ in $n pixels"
}
different() {
    local n
    n=$(changed "$1" "$2" "${3:-}")
    ((n > $4)) || fail "$1 and $2 differ in only $n pixels"
}

W=1024 H=768
start_xvfb ${W}x${H}
start_game
wid=$(wait_window)
sleep 1
menu_at 63 5.5 # where the pages' button will be: no button of the main menu there
shot main
colours=$(convert "$OUT/main.xwd" -scale 25% -posterize 8 -format '%k' info:)
((colours > 100)) || fail "the main menu is nearly empty: $colours colours"

# The pointer on "controls" lights that button, and that button only.
menu_at 15 30
shot hover
different main hover "$(crop 3 32 28 32)" 10000
same main hover "$(crop 2 30 48 54)"
same main hover "$(crop 2 45 20 26)"

# Controls, then the help page, then back: press and release both count.
menu_click
shot controls
different main controls "" 300000
menu_at 63 5.5
shot controls-hover
different controls controls-hover "$(crop 57 69 3.5 7.5)" 1000
menu_click
shot help
different controls help "$(crop 5 75 12 47)" 50000
menu_click
shot back-from-help
same main back-from-help

# Credits and back.
menu_at 15 16
menu_click
menu_at 63 5.5
shot credits
different main credits "" 300000
different help credits "$(crop 5 75 12 47)" 50000
menu_click
shot back-from-credits
same main back-from-credits

# The quit question over the main menu; "no" goes back.
menu_at 15 9
menu_click
menu_at 45.97 26
shot quit
different main quit "" 100000
menu_click
menu_at 63 5.5
shot back-from-quit
same main back-from-quit

# "Yes" ends the game with status 0.
menu_at 15 9
menu_click
menu_at 34.67 26
menu_click
wait_game_exit 10
[[ "$GAME_STATUS" -eq 0 ]] || fail "quit with yes: status $GAME_STATUS"
[[ ! -s "$OUT/game.err" ]] || fail "unexpected messages: $(cat "$OUT/game.err")"
echo "menus: hover, controls, help, credits, quit question, yes: status 0"

# Escape from a level to the main menu, and continue: the same level runs on.
start_game --level 1
wid=$(wait_window)
sleep 1.5
xdotool key --window "$wid" Escape
sleep 0.5
menu_at 63 5.5
shot escaped
same main escaped
menu_at 20 44
menu_click
shot resumed
different main resumed "" 300000
# The clock runs again: its digits change within two seconds.
clock=$(crop 1 22 51.5 59)
sleep 2
shot resumed-later
different resumed resumed-later "$clock" 50
kill -TERM "$GAME_PID"
wait_game_exit 10
echo "Escape and continue: the level runs on"
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null || true
SERVER_PID=""

# A switched display mode: quitting through the menu puts the desktop mode back.
copy_data
printf '1\r\n800\r\n600\r\n32\r\n' >"$DATA_DIR/STA/sta_scr.mtt"
start_xorg_dummy
start_game
wid=$(wait_window)
for i in $(seq 1 50); do
    [[ "$(current_mode)" == 800x600 ]] && break
    sleep 0.1
done
[[ "$(current_mode)" == 800x600 ]] || fail "the game did not switch to 800x600"
sleep 1
W=800 H=600
menu_at 15 9
menu_click
menu_at 34.67 26
menu_click
wait_game_exit 10
[[ "$GAME_STATUS" -eq 0 ]] || fail "quit with yes at 800x600: status $GAME_STATUS"
[[ "$(current_mode)" == 1024x768 ]] || fail "the screen is $(current_mode) after the quit"
echo "quit at 800x600: status 0, desktop mode 1024x768 back"
pictures main hover controls help credits quit resumed
echo "PASS"
