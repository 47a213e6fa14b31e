#!/usr/bin/env bash
# A stage whose dragonfly file is missing, or whose fish file is cut short, does not start:
# one line names the file (and the line) and the game is back at its main menu, as for a
# damaged stage file; the stage itself plays with them.
source "$(dirname "$0")/lib.sh"
start_xvfb 640x480

# run_level LEVEL: starts the level in a small window for a few frames on $DATA_DIR.
run_level() {
    local status=0
    timeout 60 "$OXA_BIN" --data "$DATA_DIR" --level "$1" --window-size 320x240 \
        --screenshot "$OUT/level$1.png" --frames 10 >"$OUT/game.out" 2>"$OUT/game.err" || status=$?
    echo "$status"
}

copy_data
[[ $(run_level 5) -eq 0 ]] || fail "level 5 with its creatures: $(cat "$OUT/game.err")"
[[ ! -s "$OUT/game.err" ]] || fail "level 5 printed: $(cat "$OUT/game.err")"

rm "$DATA_DIR/STA/w0511.mtt"
[[ $(run_level 5) -eq 0 ]] || fail "a missing dragonfly file ended the game: $(cat "$OUT/game.err")"
grep -qx 'oxa: Cannot open file STA\\w0511.mtt; level 05 does not start' "$OUT/game.err" ||
    fail "missing dragonfly file: $(cat "$OUT/game.err")"

copy_data
head -n 4 "$OXA_DATA/STA/r0511.mtt" >"$DATA_DIR/STA/r0511.mtt"
[[ $(run_level 5) -eq 0 ]] || fail "a short fish file ended the game: $(cat "$OUT/game.err")"
grep -qx "oxa: .*/STA/r0511.mtt:5: the fish file ends after 4 lines; it needs 10; level 05 does not start" "$OUT/game.err" ||
    fail "short fish file: $(cat "$OUT/game.err")"
[[ $(wc -l <"$OUT/game.err") -eq 1 ]] || fail "more than one line: $(cat "$OUT/game.err")"
echo "PASS"
