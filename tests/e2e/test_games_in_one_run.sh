#!/usr/bin/env bash
# Two whole games in one run, played by the autopilot through the menus: level 1 won, then
# level 2's clock runs out, first at difficulty 1, then (back from the best scores to New
# game) at difficulty 2. The second game starts its running total from 0: each game's total
# is the sum of its own stages' points. Each difficulty's progress file holds its own game
# only (level 2 unlocked, its total under the typed name), and difficulty 3's is untouched.
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
copy_data
# Level 2's clock runs out after some twenty seconds instead of minutes: the test stays short.
for d in 1 2; do
    sed -i '3s/^[0-9]/2/;4s/^[0-9]/0/' "$DATA_DIR/STA/scena02$d.mtt"
done
start_game --window-size 320x240 --nosound --autopilot --games 2 --menu-levels 1-1 \
    --fixed-step 33 --dump "$OUT/run.dump"
wait_game_exit 590
[[ $GAME_STATUS -eq 0 ]] || fail "the game ended with status $GAME_STATUS: $(cat "$OUT/game.err")"
cat "$OUT/run.dump"

expected="level 01 difficulty 1 won
level 02 difficulty 1 time-up
level 01 difficulty 2 won
level 02 difficulty 2 time-up"
[[ "$(awk '{ print $1, $2, $3, $4, $5 }' "$OUT/run.dump")" == "$expected" ]] ||
    fail "the two games did not go level 1 won, level 2 run out, at difficulty 1 then 2"

# Every stage's total is its game's points so far; a game ends when its clock runs out.
awk '{
    split($11, points, "+"); sum += points[1] + points[2]
    if ($13 != sum) { print "line " NR ": total " $13 ", but the game earned " sum; bad = 1 }
    if ($5 == "time-up") { totals[++games] = sum; sum = 0 }
} END {
    for (g = 1; g <= games; ++g) print "game " g ": total " totals[g]
    exit bad
}' "$OUT/run.dump" || fail "a game's total is not the sum of its own stages"

# Difficulty d's file: levels 1 and 2 open, game d's total first under the typed name.
entry() { printf '%-10sOXA BEE' "$1"; }
for d in 1 2; do
    progress="$DATA_DIR/STA/eloper$d.mtt"
    total=$(awk -v d="$d" '$4 == d && $5 == "time-up" { print $13 }' "$OUT/run.dump")
    [[ "$(sed -n '1,3p' "$progress" | tr -d '\r' | paste -sd' ')" == "1 1 0" ]] ||
        fail "$progress does not hold levels 1 and 2 open, and 3 locked"
    [[ "$(sed -n 18p "$progress" | tr -d '\r')" == "$(entry "$total")" ]] ||
        fail "$progress's first best score is not game $d's total $total under the name"
    [[ "$(sed -n '19,26p' "$progress" | tr -d '\r' | sort -u)" == "0         " ]] ||
        fail "$progress holds more best scores than its own game's"
done
cmp -s "$DATA_DIR/STA/eloper3.mtt" "$OXA_DATA/STA/eloper3.mtt" ||
    fail "difficulty 3's progress file changed though no game was played there"
echo "ok: two games in one run, each with its own total and its own difficulty's file"
