#!/usr/bin/env bash
# Data files the game cannot trust: a texture that is a FIFO or a link to /dev/zero is
# skipped like a missing one (no hang, no endless read); a model that is a folder or far too
# large ends the game with one line; a folder reached through a link is found; a collision
# mesh without groups plays without collisions, and a damaged one leaves the game at the
# main menu with one line instead of ending it.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768

# run_level NAME: level 1 up to frame 20 on $DATA_DIR; sets STATUS.
run_level() {
    STATUS=0
    timeout 60 "$OXA_BIN" --data "$DATA_DIR" --level 1 --screenshot "$OUT/$1.png" --frames 20 \
        >"$OUT/$1.out" 2>"$OUT/$1.err" || STATUS=$?
    [[ "$STATUS" -ne 124 ]] || fail "$1: the game hung"
}
# bee_shown NAME: the level's picture shows the bee in the middle.
bee_shown() {
    local yellow
    yellow=$(convert "$OUT/$1.png" -crop 200x220+412+270 +repage \
        -fx '(r > 0.7 && g > 0.5 && b < 0.35) ? 1 : 0' -format '%[fx:int(mean*w*h+0.5)]' info:)
    ((yellow >= 800)) || fail "$1: no bee in the picture ($yellow yellow pixels)"
}
expect_lines() {
    [[ "$(wc -l <"$OUT/$1.err")" -eq "$2" ]] || fail "$1: expected $2 lines on stderr: $(cat "$OUT/$1.err")"
}

# Textures that are no regular file; the data folder MOD reached through a link.
copy_data
mv "$DATA_DIR/MOD" "$OUT/MOD-elsewhere"
ln -s "$OUT/MOD-elsewhere" "$DATA_DIR/MOD"
rm "$DATA_DIR/MOD/BMP_0/kwiat1.srm" "$DATA_DIR/MOD/BMP_0/kepa.srm"
mkfifo "$DATA_DIR/MOD/BMP_0/kwiat1.srm"
ln -s /dev/zero "$DATA_DIR/MOD/BMP_0/kepa.srm"
run_level textures
[[ "$STATUS" -eq 0 ]] || fail "textures: status $STATUS: $(cat "$OUT/textures.err")"
expect_lines textures 0
bee_shown textures
echo "a FIFO and /dev/zero as textures, MOD through a link: the level plays"

# Models that are no data: a folder, a file far larger than any model.
for kind in folder huge; do
    copy_data
    model="$DATA_DIR/MOD/DATA/oxa.wkx"
    rm "$model"
    if [[ "$kind" == folder ]]; then
        mkdir "$model"
        expected="oxa: Cannot open file $model"
    else
        truncate -s 100M "$model"
        expected="oxa: $model: larger than any model file can be"
    fi
    run_level "model-$kind"
    [[ "$STATUS" -eq 1 ]] || fail "model as a $kind: status $STATUS"
    [[ "$(cat "$OUT/model-$kind.err")" == "$expected" ]] || fail "model as a $kind: $(cat "$OUT/model-$kind.err")"
    echo "a model ($kind): $(cat "$OUT/model-$kind.err")"
done

# A collision mesh with its first line only: the level plays, and one line says the hive
# cannot be entered.
copy_data
printf 'collision mesh of level 01\r\n' >"$DATA_DIR/SCE/CLP/s01.clp"
run_level empty-mesh
[[ "$STATUS" -eq 0 ]] || fail "empty mesh: status $STATUS: $(cat "$OUT/empty-mesh.err")"
expect_lines empty-mesh 1
grep -q "s01.clp: no collision groups: the bee bumps into nothing" "$OUT/empty-mesh.err" ||
    fail "empty mesh: $(cat "$OUT/empty-mesh.err")"
bee_shown empty-mesh
echo "an empty collision mesh: $(cat "$OUT/empty-mesh.err")"

# A damaged collision mesh: the level does not start, the game goes on at the main menu
# (the picture of frame 20 is still taken, and the game ends normally).
copy_data
head -c 100 "$OXA_DATA/SCE/CLP/s01.clp" >"$DATA_DIR/SCE/CLP/s01.clp"
run_level damaged-mesh
[[ "$STATUS" -eq 0 ]] || fail "damaged mesh: status $STATUS: $(cat "$OUT/damaged-mesh.err")"
expect_lines damaged-mesh 1
grep -q "s01.clp:[0-9]*: .*; level 01 does not start$" "$OUT/damaged-mesh.err" ||
    fail "damaged mesh: $(cat "$OUT/damaged-mesh.err")"
[[ -s "$OUT/damaged-mesh.png" ]] || fail "damaged mesh: the game did not go on to frame 20"
echo "a damaged collision mesh: $(cat "$OUT/damaged-mesh.err")"

# A progress file cut short, with levels 1 to 4 open, and --level: the file is kept aside
# before anything is written, the level is played on a fresh table, and its win is saved in
# a fresh file, not over the damaged one.
copy_data
progress="$DATA_DIR/STA/eloper1.mtt"
printf '1\r\n1\r\n1\r\n1\r\n0\r\n' >"$OUT/earned.mtt"
cp "$OUT/earned.mtt" "$progress"
STATUS=0
timeout 300 "$OXA_BIN" --data "$DATA_DIR" --level 1 --once --autopilot --fixed-step 33 \
    --window-size 320x240 --nosound >"$OUT/damaged-progress.out" 2>"$OUT/damaged-progress.err" ||
    STATUS=$?
[[ "$STATUS" -eq 0 ]] || fail "damaged progress: status $STATUS: $(cat "$OUT/damaged-progress.err")"
grep -q "won" "$OUT/damaged-progress.out" || fail "damaged progress: $(cat "$OUT/damaged-progress.out")"
expect_lines damaged-progress 1
grep -qx "oxa: .*/STA/eloper1.mtt:6: the progress file ends after 5 lines; it needs 26; kept as .*/STA/eloper1.mtt.damaged; the game goes on with a fresh table" \
    "$OUT/damaged-progress.err" || fail "damaged progress: $(cat "$OUT/damaged-progress.err")"
cmp -s "$OUT/earned.mtt" "$progress.damaged" || fail "the damaged progress file was not kept as it was"
[[ "$(sed -n '1,3p' "$progress" | tr -d '\r' | paste -sd' ')" == "1 1 0" ]] ||
    fail "the win was not saved in a fresh file: $(head -3 "$progress")"
echo "a damaged progress file: $(cat "$OUT/damaged-progress.err")"
echo "PASS"
