#!/usr/bin/env bash
# The start-up film on a normal start: it holds the main menu back until a key or a click
# ends it; its sound reaches the sound device; a missing or unreadable film is skipped with
# one line and the main menu comes at once. The main menu shows itself by starting its
# music, which the sound log records.
source "$(dirname "$0")/lib.sh"
command -v sox >/dev/null || fail "sox is needed"
export WITH_INTRO=1
start_xvfb 800x600

# menu_within SECONDS: whether the main menu's music starts within that time.
menu_within() {
    local i
    for i in $(seq 1 $(($1 * 10))); do
        grep -qF 'MOV\menu.wav' "$OUT/sound.log" 2>/dev/null && return 0
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$OUT/game.err")"
        sleep 0.1
    done
    return 1
}

# stop_game: ends the game, and waits for its display watchdog to end too, so that the
# next start finds the display at rest.
stop_game() {
    local watchdog i
    watchdog=$(ps -o pid= --ppid "$GAME_PID" | tr -d ' ' || true)
    kill -TERM "$GAME_PID" 2>/dev/null || true
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=""
    for i in $(seq 1 50); do
        [[ -z "$watchdog" ]] || ! kill -0 $watchdog 2>/dev/null && break
        sleep 0.1
    done
}

# ended_by key|click: the film plays for two seconds, then a key or a click ends it.
ended_by() {
    rm -f "$OUT/sound.log"
    start_game --sound-log "$OUT/sound.log"
    wid=$(wait_window)
    sleep 2
    grep -qF 'MOV\menu.wav' "$OUT/sound.log" 2>/dev/null && fail "the main menu came during the film"
    case $1 in
    key) xdotool key --window "$wid" space ;;
    click) xdotool mousemove --window "$wid" 400 300 click 1 ;;
    esac
    menu_within 3 || fail "a $1 did not end the film"
    sleep 1
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended after a $1: $(cat "$OUT/game.err")"
    [[ ! -s "$OUT/game.err" ]] || fail "unexpected messages: $(cat "$OUT/game.err")"
    stop_game
}
ended_by key
ended_by click

# Its pictures, as the game shows them.
"$OXA_BIN" --data "$OXA_DATA" --screenshot "$OUT/film-60.png" --frames 60 2>"$OUT/shot.err" ||
    fail "no screenshot of the film: $(cat "$OUT/shot.err")"
[[ "$(identify -format %wx%h "$OUT/film-60.png")" == 800x600 ]] || fail "the film's frame is not the window's size"
sky=$(convert "$OUT/film-60.png" -crop 100x60+350+10 +repage -format '%[fx:mean.b*255] %[fx:mean.r*255]' info:)
awk -v s="$sky" 'BEGIN { split(s, c, " "); exit !(c[1] > 200 && c[1] > c[2] + 30) }' ||
    fail "the film's 60th picture has no blue sky at its top ($sky)"

# Its sound, as OpenAL Soft's wave-file back end records it while the film plays.
recording="$OUT/recording.wav"
cat >"$OUT/alsoft.conf" <<CONF
[general]
drivers = wave
frequency = 44100
channels = stereo
sample-type = int16
[wave]
file = $recording
CONF
(
    export ALSOFT_CONF="$OUT/alsoft.conf" ALSOFT_DRIVERS=wave
    rm -f "$OUT/sound.log"
    start_game --sound-log "$OUT/sound.log"
    wait_window >/dev/null
    sleep 4
    # The file's header is written when the device closes: read the samples as they are.
    tail -c +45 "$recording" >"$OUT/film-sound.raw"
    stop_game
)
level=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$OUT/film-sound.raw" -n stats 2>&1 |
    awk '/^RMS lev dB/ { print $4 }')
echo "the film's sound: RMS $level dB over $(stat -c %s "$OUT/film-sound.raw") bytes"
awk -v a="$level" 'BEGIN { exit !(a > -40) }' || fail "the film is silent (RMS $level dB)"

# A missing film and one that is no film: one line each, and the main menu at once.
rm -rf "$OUT/data"
cp -rs "$OXA_DATA" "$OUT/data"
DATA_DIR="$OUT/data"
for damage in missing text; do
    rm -f "$DATA_DIR/MOV/oxa.mpg"
    [[ $damage == text ]] && printf '1\n640\n480\n32\n' >"$DATA_DIR/MOV/oxa.mpg"
    rm -f "$OUT/sound.log"
    start_game --sound-log "$OUT/sound.log"
    wait_window >/dev/null
    menu_within 3 || fail "no main menu after a $damage film"
    [[ $(grep -c "start-up film" "$OUT/game.err") -eq 1 ]] &&
        grep -q "oxa.mpg: cannot play the start-up film: " "$OUT/game.err" ||
        fail "a $damage film should give one line: $(cat "$OUT/game.err")"
    cat "$OUT/game.err"
    stop_game
done
echo "PASS"
