#!/usr/bin/env bash
# Two monitors side by side under Xorg with the dummy driver: 1024x768 on the left and the
# primary one, 800x600, on its right. The game switches only its own monitor (the primary,
# to the 640x480 of STA\sta_scr.mtt), sits on it with the pointer at its centre, and every
# way the game can end leaves both monitors and the screen size as they were; Ctrl+Z puts
# them back before the stop and continuing switches again. For the deaths the game cannot
# handle, its watchdog puts them back; the watchdog never outlives the game.
source "$(dirname "$0")/lib.sh"
: "${OXA_CLOSE_WINDOW:?OXA_CLOSE_WINDOW must name the close-window helper}"
copy_data
printf '1\r\n640\r\n480\r\n32\r\n' >"$DATA_DIR/STA/sta_scr.mtt"

start_xorg_dummy
xrandr --addmode DUMMY1 800x600
xrandr --output DUMMY1 --mode 800x600 --right-of DUMMY0 --primary

# layout: the screen's size and every monitor that is on, as xrandr -q shows them.
layout() {
    xrandr -q | sed -n 's/^Screen 0:.* current \([0-9]*\) x \([0-9]*\),.*/screen \1x\2/p
        s/^\(DUMMY[0-9]*\) connected \(primary \)\{0,1\}\([0-9]*x[0-9]*+[0-9]*+[0-9]*\).*/\1 \3/p' |
        tr '\n' ' '
}
# wait_layout EXPECTED WHAT: the layout becomes EXPECTED within a few seconds.
wait_layout() {
    local i
    for i in $(seq 1 50); do
        [[ "$(layout)" == "$1" ]] && return 0
        sleep 0.1
    done
    fail "$2: the layout is '$(layout)', expected '$1'"
}
# running PID: the process exists and is not a zombie.
running() {
    local state
    state=$(ps -o stat= -p "$1" 2>/dev/null || true)
    [[ -n "$state" && "$state" != Z* ]]
}

desktop="screen 1824x768 DUMMY0 1024x768+0+0 DUMMY1 800x600+1024+0 "
switched="screen 1664x768 DUMMY0 1024x768+0+0 DUMMY1 640x480+1024+0 "
wait_layout "$desktop" "the desktop"
echo "desktop: $(layout)"

# start: the game at the main menu, switched, with its watchdog; sets WID and WATCHDOG.
start() {
    start_game "$@"
    WID=$(wait_window)
    wait_layout "$switched" "while the game runs"
    WATCHDOG=$(ps -o pid= --ppid "$GAME_PID" | tr -d ' ')
    [[ -n "$WATCHDOG" ]] || fail "no watchdog beside the game"
    [[ "$(ps -o comm= -p "$WATCHDOG")" == oxa-watchdog ]] || fail "the game's child is $(ps -o comm= -p "$WATCHDOG")"
}

# The game's window covers its own monitor, with the pointer at its centre.
start
eval "$(xdotool getwindowgeometry --shell "$WID")"
[[ "$X,$Y ${WIDTH}x$HEIGHT" == "1024,0 640x480" ]] || fail "the window is at $X,$Y ${WIDTH}x$HEIGHT"
[[ "$(xdotool getmouselocation)" == "x:1344 y:240 "* ]] || fail "the pointer is at $(xdotool getmouselocation)"
echo "switched: $(layout); window at $X,$Y ${WIDTH}x$HEIGHT; pointer $(xdotool getmouselocation | cut -d' ' -f1-2)"
kill -TERM "$GAME_PID"
wait_game_exit 10
wait_layout "$desktop" "after the first SIGTERM"

# Every way out: status expected, and whether the game itself ends its watchdog.
ways=(
    "quit 0 own" "close 0 own" "TERM 0 own" "INT 0 own" "HUP 0 own"
    "destroyed 1 own" "xkill 1 own"
    "QUIT 131 watchdog" "ILL 132 watchdog" "TRAP 133 watchdog" "ABRT 134 watchdog"
    "BUS 135 watchdog" "FPE 136 watchdog" "SEGV 139 watchdog" "KILL 137 watchdog"
)
for entry in "${ways[@]}"; do
    read -r way status who <<<"$entry"
    if [[ "$way" == quit ]]; then
        start --screenshot "$OUT/quit.png" --frames 1000
    else
        start
        case "$way" in
            close) "$OXA_CLOSE_WINDOW" "$WID" ;;
            destroyed) xdotool windowclose "$WID" ;;
            xkill) xkill -id "$WID" >/dev/null ;;
            *) kill -"$way" "$GAME_PID" ;;
        esac
    fi
    wait_game_exit 60
    [[ "$GAME_STATUS" -eq "$status" ]] || fail "$way: exit status $GAME_STATUS, expected $status: $(cat "$OUT/game.err")"
    if [[ "$who" == own ]]; then
        # The game put the display back itself and waited for its watchdog.
        [[ "$(layout)" == "$desktop" ]] || fail "$way: the game left '$(layout)'"
        ! running "$WATCHDOG" || fail "$way: the watchdog outlived the game"
    else
        wait_layout "$desktop" "after $way"
        for i in $(seq 1 30); do running "$WATCHDOG" || break; sleep 0.1; done
        ! running "$WATCHDOG" || fail "$way: the watchdog is still running"
    fi
    echo "$way: exit status $GAME_STATUS; xrandr: $(layout); $(head -1 "$OUT/game.err")"
done

# Ctrl+Z: the desktop back while stopped; continued, the game's monitor switched again.
start
kill -TSTP "$GAME_PID"
wait_layout "$desktop" "after SIGTSTP"
for i in $(seq 1 30); do [[ "$(awk '{print $3}' "/proc/$GAME_PID/stat")" == T ]] && break; sleep 0.1; done
[[ "$(awk '{print $3}' "/proc/$GAME_PID/stat")" == T ]] || fail "SIGTSTP did not stop the game"
echo "TSTP: stopped; xrandr: $(layout)"
kill -CONT "$GAME_PID"
wait_layout "$switched" "after SIGCONT"
echo "CONT: running; xrandr: $(layout)"

# A watchdog killed while the game runs is reaped by the game: no zombie is left.
kill -KILL "$WATCHDOG"
for i in $(seq 1 30); do [[ -z "$(ps -o pid= --ppid "$GAME_PID")" ]] && break; sleep 0.1; done
[[ -z "$(ps -o pid= --ppid "$GAME_PID")" ]] || fail "the killed watchdog stays: $(ps -o pid,stat,comm --ppid "$GAME_PID")"
kill -TERM "$GAME_PID"
wait_game_exit 10
[[ "$(layout)" == "$desktop" ]] || fail "without its watchdog the game left '$(layout)'"
echo "watchdog killed: reaped; the game still puts the display back"
echo "PASS"
