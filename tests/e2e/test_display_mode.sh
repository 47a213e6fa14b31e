#!/usr/bin/env bash
# The display mode: under Xorg with the dummy driver the game switches to the mode of
# STA\sta_scr.mtt and the desktop mode comes back after a normal exit, SIGTERM, SIGINT and
# a crash. Under Xvfb, which offers one mode only, the game says so and stays.
source "$(dirname "$0")/lib.sh"
copy_data
printf '1\r\n800\r\n600\r\n32\r\n' >"$DATA_DIR/STA/sta_scr.mtt"

start_xorg_dummy
[[ "$(current_mode)" == 1024x768 ]] || fail "the dummy screen starts at $(current_mode)"

# wait_mode SIZE: the screen reaches SIZE within a few seconds.
wait_mode() {
    local i
    for i in $(seq 1 50); do
        [[ "$(current_mode)" == "$1" ]] && return 0
        sleep 0.1
    done
    fail "screen is $(current_mode), expected $1 ($2)"
}

# Normal exit: the screenshot path leaves through the game's own quit. The game starts on
# its main menu, whose frames take a while on a software renderer: 1000 are a few seconds.
start_game --screenshot "$OUT/switched.png" --frames 1000
wait_window >/dev/null
wait_mode 800x600 "while the game runs"
wait_game_exit 60
[[ "$GAME_STATUS" -eq 0 ]] || fail "exit status $GAME_STATUS: $(cat "$OUT/game.err")"
wait_mode 1024x768 "after a normal exit"
[[ "$(identify -format %wx%h "$OUT/switched.png")" == 800x600 ]] || fail "the frame is not 800x600"

for signal in TERM INT SEGV; do
    start_game
    wait_window >/dev/null
    wait_mode 800x600 "before SIG$signal"
    kill -"$signal" "$GAME_PID"
    wait_game_exit 10
    wait_mode 1024x768 "after SIG$signal (exit status $GAME_STATUS)"
    echo "SIG$signal: exit status $GAME_STATUS, mode restored"
done
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null || true
SERVER_PID=""

# Xvfb: no mode to switch to. One line says so, and the game fills the screen as it is.
start_xvfb 1024x768
start_game --screenshot "$OUT/fallback.png" --frames 5
wait_game_exit 30
[[ "$GAME_STATUS" -eq 0 ]] || fail "exit status $GAME_STATUS under Xvfb"
grep -q "does not offer 800x600; staying at 1024x768" "$OUT/game.err" || fail "no fallback notice: $(cat "$OUT/game.err")"
[[ "$(wc -l <"$OUT/game.err")" -eq 1 ]] || fail "more than one line: $(cat "$OUT/game.err")"
[[ "$(identify -format %wx%h "$OUT/fallback.png")" == 1024x768 ]] || fail "fallback frame size"
echo "PASS"
