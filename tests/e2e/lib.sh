# Shared helpers of the end-to-end tests: an X server of their own, the game, pictures.
# Sourced by the test_*.sh scripts; ctest passes OXA_BIN, OXA_DATA and OXA_TEST_OUT.

set -euo pipefail
: "${OXA_BIN:?OXA_BIN must name the oxa binary}"
: "${OXA_DATA:?OXA_DATA must name the generated data tree}"
OUT="${OXA_TEST_OUT:-/tmp/oxa-e2e}/$(basename "$0" .sh)"
rm -rf "$OUT"
mkdir -p "$OUT"
export ALSOFT_DRIVERS=null
SERVER_PID=""
GAME_PID=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cleanup() {
    [[ -n "$GAME_PID" ]] && kill -KILL "$GAME_PID" 2>/dev/null || true
    [[ -n "$SERVER_PID" ]] && kill "$SERVER_PID" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT

# start_xvfb [WxH]: a virtual screen of its own; sets DISPLAY.
start_xvfb() {
    local size=${1:-1024x768}
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 "${size}x24" -nolisten tcp >"$OUT/xvfb.log" 2>&1 &
    SERVER_PID=$!
    local number
    read -r -t 20 number <&"$fd" || fail "Xvfb did not start"
    export DISPLAY=":$number"
}

# The menus' 80 x 60 units fill the largest 4:3 box in the middle of the $W x $H window.
BOX_AWK='BEGIN { if (w * 3 > h * 4) { bw = h * 4 / 3; bh = h } else { bw = w; bh = w * 3 / 4 }
                 bx = (w - bw) / 2; by = (h - bh) / 2 }'
# menu_pixel MX MY: the window pixel "X Y" of a menu position (origin bottom left).
menu_pixel() {
    awk -v mx="$1" -v my="$2" -v w="$W" -v h="$H" \
        "$BOX_AWK"' END { printf "%d %d\n", bx + mx * bw / 80, by + (60 - my) * bh / 60 }' </dev/null
}
# menu_crop LEFT RIGHT BOTTOM TOP: the window's pixels of a menu rectangle, as a crop geometry.
menu_crop() {
    awk -v l="$1" -v r="$2" -v b="$3" -v t="$4" -v w="$W" -v h="$H" "$BOX_AWK"' END {
        printf "%dx%d+%d+%d\n", (r - l) * bw / 80, (t - b) * bh / 60, bx + l * bw / 80,
            by + (60 - t) * bh / 60 }' </dev/null
}
# menu_at MX MY: the pointer to a menu position of the game's window $wid.
menu_at() {
    local x y
    read -r x y < <(menu_pixel "$1" "$2")
    xdotool mousemove --window "$wid" "$x" "$y"
    sleep 0.3
}
menu_click() {
    xdotool click 1
    sleep 0.5
}

# start_xorg_dummy: Xorg with the dummy video driver, which can really switch modes
# (1024x768 at start, 800x600 and 640x480 offered); sets DISPLAY.
start_xorg_dummy() {
    local conf="$OUT/xorg.conf"
    cat >"$conf" <<'CONF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
    Modeline "1024x768" 65.00 1024 1048 1184 1344 768 771 777 806 -hsync -vsync
    Modeline "800x600" 40.00 800 840 968 1056 600 601 605 628 +hsync +vsync
    Modeline "640x480" 25.18 640 656 752 800 480 490 492 525 -hsync -vsync
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1024x768" "800x600" "640x480"
        Virtual 1024 768
    EndSubSection
EndSection
CONF
    local number
    for number in $(seq 70 99); do
        [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
        Xorg ":$number" -noreset -nolisten tcp -config "$conf" -logfile "$OUT/xorg.log" \
            >"$OUT/xorg.out" 2>&1 &
        SERVER_PID=$!
        export DISPLAY=":$number"
        local i
        for i in $(seq 1 100); do
            xdpyinfo >/dev/null 2>&1 && return 0
            kill -0 "$SERVER_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$SERVER_PID" 2>/dev/null || true
        wait "$SERVER_PID" 2>/dev/null || true
        fail "Xorg with the dummy driver did not start (see $OUT/xorg.log)"
    done
    fail "no free display number"
}

# start_game ARGS...: the game in the background; sets GAME_PID. It starts without the
# start-up film unless WITH_INTRO=1.
start_game() {
    local intro=(--no-intro)
    [[ "${WITH_INTRO:-0}" == 1 ]] && intro=()
    "$OXA_BIN" --data "${DATA_DIR:-$OXA_DATA}" "${intro[@]}" "$@" >"$OUT/game.out" \
        2>"$OUT/game.err" &
    GAME_PID=$!
}

# wait_window: waits for the window titled OXA; prints its id.
wait_window() {
    local i id
    for i in $(seq 1 100); do
        id=$(xdotool search --name '^OXA$' 2>/dev/null | head -1 || true)
        [[ -n "$id" ]] && {
            echo "$id"
            return 0
        }
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended early: $(cat "$OUT/game.err")"
        sleep 0.1
    done
    fail "no OXA window"
}

# wait_game_exit SECONDS: waits for the game to end; sets GAME_STATUS to its exit status.
wait_game_exit() {
    local i
    for i in $(seq 1 $(($1 * 10))); do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            GAME_STATUS=0
            wait "$GAME_PID" || GAME_STATUS=$?
            GAME_PID=""
            return 0
        fi
        sleep 0.1
    done
    fail "the game did not end within $1 s"
}

# current_mode: the screen's size as xrandr reports it, e.g. 1024x768.
current_mode() {
    xrandr -q | sed -n 's/.*current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'
}

# pixel_count FILE GEOMETRY MIN_LEVEL: pixels in the crop whose every channel is >= MIN_LEVEL %.
bright_pixels() {
    convert "$1" -crop "$2" +repage -colorspace Gray -threshold "$3%" -format '%[fx:int(mean*w*h+0.5)]' info:
}

# copy_data: a writable copy of the data tree in $OUT/data; sets DATA_DIR.
copy_data() {
    rm -rf "$OUT/data"
    cp -r "$OXA_DATA" "$OUT/data"
    DATA_DIR="$OUT/data"
}
