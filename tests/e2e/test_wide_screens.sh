#!/usr/bin/env bash
# Full screen on screens of every shape: 4:3 (800 x 600), 16:9 (1920 x 1080), 16:10
# (1280 x 800) and 5:4 (1280 x 1024). The menus sit in the largest 4:3 box in the middle and
# their backgrounds reach every edge of the screen; a round thing stays round (the
# countdown's disc and the panel's compass within 2 % of a circle); the compass keeps to the
# screen's bottom left corner; a click at the drawn middle of each main-menu button opens
# the screen the same click opens at 800 x 600. At 1920 x 1080 the menu autopilot then
# plays level 1 through the menus. The screenshots stay in the output folder to look at.
source "$(dirname "$0")/lib.sh"

# shot NAME: the screen now, as NAME.png.
shot() {
    sleep 0.3
    xwd -root -silent >"$OUT/$1.xwd"
    convert "$OUT/$1.xwd" "$OUT/$1.png"
    rm -f "$OUT/$1.xwd"
}

# differs A B: how many pixels of two shots differ.
differs() {
    local n
    n=$(compare -metric AE -fuzz 3% "$OUT/$1.png" "$OUT/$2.png" null: 2>&1 || true)
    awk -v n="$n" 'BEGIN { printf "%d\n", n }'  # large counts come as 2.01e+06
}

# shot_of_another_screen NAME: waits until the screen is no longer the main menu; NAME.png.
# shot_of_main_menu: waits until the main menu is back.
# (The pointer and a lit button differ from the main menu's shot by less than `moved`.)
shot_of_another_screen() {
    local i
    for i in $(seq 1 30); do
        shot "$1"
        (($(differs "$1" "$size-main") > moved)) && return 0
    done
    fail "$size: the screen stayed the main menu"
}
shot_of_main_menu() {
    local i
    for i in $(seq 1 30); do
        shot back
        (($(differs back "$size-main") < moved)) && return 0
    done
    fail "$size: the main menu did not come back"
}

# dark_at_edges FILE: pixels next to the screen's edges (8 pixels deep) that are near black.
dark_at_edges() {
    local crop total=0 n
    for crop in "8x${H}+0+0" "8x${H}+$((W - 8))+0" "${W}x8+0+0" "${W}x8+0+$((H - 8))"; do
        n=$(convert "$1" -crop "$crop" +repage -colorspace Gray -threshold 4% -negate \
            -format '%[fx:int(mean*w*h+0.5)]' info:)
        total=$((total + n))
    done
    echo "$total"
}

# extent FILE CROP COLOUR: the box "W H X Y" (screen pixels) round the pixels of COLOUR in
# the crop.
extent() {
    local box
    box=$(convert "$1" -crop "$2" +repage -fuzz 12% -fill '#00ff01' -opaque "$3" -fuzz 0 \
        -fill black +opaque '#00ff01' -fill white -opaque '#00ff01' -morphology Open Square:1 \
        -format '%@' info:)
    local origin=${2#*+}
    awk -v box="$box" -v ox="${origin%+*}" -v oy="${origin#*+}" 'BEGIN {
        split(box, p, /[x+]/); printf "%d %d %d %d\n", p[1], p[2], ox + p[3], oy + p[4] }'
}

# round NAME FILE CROP COLOUR: the width of the shape of COLOUR over its height is 1 within 2 %.
round() {
    local w h x y
    read -r w h x y < <(extent "$2" "$3" "$4")
    ((w > 20 && h > 20)) || fail "$size: $1: no shape of $4 in $3 (${w}x${h})"
    awk -v w="$w" -v h="$h" 'BEGIN { r = w / h; exit !(r > 0.98 && r < 1.02) }' ||
        fail "$size: $1 is ${w} x ${h} pixels: not round"
    echo "$size: $1 ${w} x ${h} pixels, ratio $(awk -v w="$w" -v h="$h" 'BEGIN { printf "%.4f", w / h }')"
}

# The screen a main-menu button opens, and the way back to the main menu from it.
buttons=("16 51" "20.5 44" "21.5 37" "17.5 30" "23.5 23" "18.5 16" "18.5 9")
back_from() {
    case $1 in
        0 | 4) menu_at 63 5.5 && menu_click ;;           # the back button
        2) menu_at 59.77 3.93 && menu_click ;;           # the settings' back item
        3) menu_at 63 5.5 && menu_click && menu_click ;; # the controls, then the help page
        5) menu_at 63 5.5 && menu_click ;;               # the credits' button
        6) menu_at 45.97 26.05 && menu_click ;;          # "no"
    esac
}

# same_screen SHOT K: the middle box of SHOT at 800 x 600 is nearer to what button K opened
# at 800 x 600 than to what any other button opened.
same_screen() {
    local box best=-1 bestScore=9 k score
    box=$(menu_crop 0 80 0 60)
    convert "$OUT/$1.png" -crop "$box" +repage -resize '800x600!' "$OUT/box.png"
    for k in 0 2 3 4 5 6; do
        score=$(compare -metric RMSE "$OUT/box.png" "$OUT/800x600-button-$k.png" null: 2>&1 || true)
        score=$(sed 's/.*(\(.*\))/\1/' <<<"$score")
        if awk -v a="$score" -v b="$bestScore" 'BEGIN { exit !(a < b) }'; then
            best=$k
            bestScore=$score
        fi
    done
    [[ $best == "$2" ]] || fail "$size: button $2 opened what button $best opens at 800 x 600"
}

for size in 800x600 1920x1080 1280x800 1280x1024; do
    W=${size%x*} H=${size#*x}
    [[ -n "$SERVER_PID" ]] && { kill "$SERVER_PID"; wait "$SERVER_PID" 2>/dev/null || true; }
    start_xvfb "$size"
    unit=$(awk -v w="$W" -v h="$H" "$BOX_AWK"' END { printf "%.4f", bh / 60 }' </dev/null)

    start_game --nosound
    wid=$(wait_window)
    sleep 1.5
    menu_at 63 5.5
    shot "$size-main"
    n=$(dark_at_edges "$OUT/$size-main.png")
    ((n == 0)) || fail "$size: the main menu leaves $n dark pixels at the screen's edges"

    # Every main-menu button: a click at its drawn middle, what it opens, and back.
    moved=$((W * H / 15))
    for k in 0 1 2 3 4 5 6; do
        menu_at ${buttons[k]}
        menu_click
        if ((k == 1)); then
            # No level in progress: "continue" stays on the main menu.
            sleep 1
            shot "$size-button-1"
            (($(differs "$size-button-1" "$size-main") < moved)) ||
                fail "$size: continue without a level left the main menu"
            continue
        fi
        shot_of_another_screen "$size-button-$k"
        [[ $size == 800x600 ]] || same_screen "$size-button-$k" "$k"
        back_from "$k"
        shot_of_main_menu
    done
    echo "$size: each main-menu button opens its own screen"

    # The level choice.
    menu_at ${buttons[0]}
    menu_click
    menu_at 22 15.5
    menu_click
    menu_at 40 31
    for i in $(seq 1 30); do
        shot "$size-level-choice"
        (($(differs "$size-level-choice" "$size-button-0") > moved)) && break
    done
    n=$(dark_at_edges "$OUT/$size-level-choice.png")
    ((n == 0)) || fail "$size: the level choice leaves $n dark pixels at the screen's edges"
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null || true
    GAME_PID=""

    # Level 1 with its panel, in the countdown's first second.
    "$OXA_BIN" --data "$OXA_DATA" --no-intro --nosound --level 1 --fixed-step 50 \
        --screenshot "$OUT/$size-level.png" --frames 30 >"$OUT/level.out" 2>"$OUT/level.err" ||
        fail "$size: level 1: $(cat "$OUT/level.err")"
    round "the countdown's disc" "$OUT/$size-level.png" "$(menu_crop 30 50 35 55)" '#ef5350'
    compass=$(awk -v u="$unit" -v h="$H" 'BEGIN {
        printf "%dx%d+%d+%d", 13 * u, 13 * u, 0.1 * u, h - 13.1 * u }')
    round "the compass" "$OUT/$size-level.png" "$compass" '#0d47a1'
    read -r w h x y < <(extent "$OUT/$size-level.png" "$compass" '#0d47a1')
    awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v u="$unit" -v H="$H" 'BEGIN {
        dx = x + w / 2 - 6.6 * u; dy = y + h / 2 - (H - 6.6 * u)
        exit !(dx * dx + dy * dy <= 4) }' ||
        fail "$size: the compass is not 6.6 units from the screen's bottom left corner"
done

# The menu autopilot at 1920 x 1080: New game, difficulty 1, level 1 to its end. Big steps
# keep the run short; the rest of the game through the menus is test_autopilot_menus.sh's.
W=1920 H=1080
kill "$SERVER_PID"
wait "$SERVER_PID" 2>/dev/null || true
start_xvfb 1920x1080
copy_data
start_game --nosound --autopilot --menu-levels 1-1 --fixed-step 200 --dump "$OUT/run.dump"
for i in $(seq 1 1500); do
    grep -q '^level 01' "$OUT/run.dump" 2>/dev/null && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the autopilot's game ended: $(cat "$OUT/game.err")"
    sleep 0.4
done
grep -q '^level 01 difficulty 1 won' "$OUT/run.dump" ||
    fail "the autopilot did not win level 1 at 1920 x 1080: $(cat "$OUT/run.dump" 2>/dev/null)"
cat "$OUT/run.dump"
echo "ok: every screen keeps its shapes on 4:3, 16:9, 16:10 and 5:4; the autopilot played level 1 at 1920 x 1080"
