#!/usr/bin/env bash
# Sound at start-up. Without a sound device the game plays silently and says so in one
# line; --nosound plays silently without a word. A sound of the table missing from the
# tree ends the start with one line naming it and status 1, with a device or without,
# and (under Xorg, where the mode really switches) the desktop mode comes back.
source "$(dirname "$0")/lib.sh"
copy_data
start_xvfb 640x480

# run ARGS...: the game from start to end; sets GAME_STATUS.
run() {
    start_game --level 1 --window-size 320x240 "$@"
    wait_game_exit 60
}
# only_line TEXT: stderr is that one line (TEXT empty: nothing at all).
only_line() {
    [[ "$(cat "$OUT/game.err")" == "$1" ]] || fail "expected on stderr: '$1', got: '$(cat "$OUT/game.err")'"
}

ALSOFT_DRIVERS=none run --screenshot "$OUT/no-device.png" --frames 30
[[ $GAME_STATUS -eq 0 ]] || fail "without a device the game ended with status $GAME_STATUS"
only_line "oxa: no sound device (OpenAL could not open one): playing without sound"
[[ $(bright_pixels "$OUT/no-device.png" 320x240+0+0 5) -gt 1000 ]] || fail "no picture without a device"

run --nosound --screenshot "$OUT/nosound.png" --frames 30
[[ $GAME_STATUS -eq 0 ]] || fail "--nosound ended with status $GAME_STATUS"
only_line ""

rm "$DATA_DIR/MOV/klik.wav"
for sound in "" --nosound; do
    run $sound
    [[ $GAME_STATUS -eq 1 ]] || fail "a missing klik.wav ${sound:+with $sound }gave status $GAME_STATUS"
    only_line 'oxa: MOV\klik.wav: no such file'
done
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null || true
SERVER_PID=""

# The display mode switched before the sounds load comes back when they fail.
printf '1\r\n800\r\n600\r\n32\r\n' >"$DATA_DIR/STA/sta_scr.mtt"
start_xorg_dummy
start_game --level 1
wait_game_exit 30
[[ $GAME_STATUS -eq 1 ]] || fail "under Xorg a missing klik.wav gave status $GAME_STATUS"
only_line 'oxa: MOV\klik.wav: no such file'
[[ "$(current_mode)" == 1024x768 ]] || fail "the screen stayed at $(current_mode)"
echo "PASS"
