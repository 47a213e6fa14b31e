#!/usr/bin/env bash
# A window smaller than the desktop shows the whole main menu at the window's scale: the
# same picture as that window on a desktop of its own size, not a corner of the menu drawn
# at the desktop's size.
source "$(dirname "$0")/lib.sh"

# menu_shot SCREEN WINDOW NAME: the main menu in a window of size WINDOW on a screen of SCREEN.
menu_shot() {
    start_xvfb "$1"
    "$OXA_BIN" --data "$OXA_DATA" --no-intro --window-size "$2" --screenshot "$OUT/$3.png" --frames 5 \
        >"$OUT/$3.out" 2>"$OUT/$3.err" || fail "$3: status $?: $(cat "$OUT/$3.err")"
    kill "$SERVER_PID"
    wait "$SERVER_PID" 2>/dev/null || true
    SERVER_PID=""
}

for size in 800x600 320x240; do
    menu_shot 1024x768 "$size" "small-$size"
    menu_shot "$size" "$size" "whole-$size"
    [[ "$(identify -format '%wx%h' "$OUT/small-$size.png")" == "$size" ]] ||
        fail "the $size window's picture is $(identify -format '%wx%h' "$OUT/small-$size.png")"
    pixels=${size%x*}
    pixels=$((pixels * ${size#*x}))
    n=$(compare -metric AE -fuzz 3% "$OUT/small-$size.png" "$OUT/whole-$size.png" null: 2>&1 || true)
    n=${n%%.*}
    # A cropped menu differs in most of its pixels; the same menu in at most a few edges.
    ((n < pixels / 100)) || fail "a $size window on a 1024x768 screen differs from the whole menu in $n of $pixels pixels"
    echo "$size window: the whole main menu ($n pixels differ)"
done
# A display-mode file asking for a window with no pixels, or larger than the screen: the
# game starts in a window of the desktop's size and says so in one line.
start_xvfb 640x480
copy_data
for mode in 0x600 800x-1 2000x480; do
    printf '1\r\n%s\r\n%s\r\n32\r\n' "${mode%x*}" "${mode#*x}" >"$DATA_DIR/STA/sta_scr.mtt"
    "$OXA_BIN" --data "$DATA_DIR" --no-intro --windowed --nosound --screenshot "$OUT/mode-$mode.png" \
        --frames 5 >"$OUT/mode-$mode.out" 2>"$OUT/mode-$mode.err" ||
        fail "a mode of $mode in the file: status $?: $(cat "$OUT/mode-$mode.err")"
    [[ "$(identify -format '%wx%h' "$OUT/mode-$mode.png")" == 640x480 ]] ||
        fail "a mode of $mode in the file gave a $(identify -format '%wx%h' "$OUT/mode-$mode.png") window"
    [[ "$(wc -l <"$OUT/mode-$mode.err")" -eq 1 ]] &&
        grep -q "sta_scr.mtt: a mode of ${mode%x*} x ${mode#*x} does not fit the screen's 640 x 480; keeping the desktop display mode" \
            "$OUT/mode-$mode.err" || fail "a mode of $mode: $(cat "$OUT/mode-$mode.err")"
    echo "a mode of $mode in the file: $(cat "$OUT/mode-$mode.err")"
done
echo "PASS"
