#!/usr/bin/env bash
# The autopilot wins levels 1 to 10 at difficulty 1 in one fixed-step run (starting ten
# levels in one process), the progress file then has every level open, and replaying the
# recording of that run ends every stage the same way.
# OXA_AUTOPILOT_REPLAY=0 leaves the replay out (the sanitizer build, which is slow).
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
copy_data
start_game --autopilot --levels 1-10 --fixed-step 33 --window-size 320x240 \
    --dump "$OUT/run.dump" --record "$OUT/run.replay"
wait_game_exit 600
[[ $GAME_STATUS -eq 0 ]] || fail "the autopilot's run ended with status $GAME_STATUS: $(cat "$OUT/game.err")"
[[ $(wc -l <"$OUT/run.dump") -eq 10 ]] || fail "ten stage ends expected: $(cat "$OUT/run.dump")"
for level in 01 02 03 04 05 06 07 08 09 10; do
    grep -q "^level $level difficulty 1 won " "$OUT/run.dump" ||
        fail "the autopilot did not win level $level: $(grep "^level $level" "$OUT/run.dump")"
done
unlocked=$(head -10 "$DATA_DIR/STA/eloper1.mtt" | tr -d '\r ' | paste -sd' ')
[[ $unlocked == "1 1 1 1 1 1 1 1 1 1" ]] || fail "levels 1 to 10 should be open, the file says: $unlocked"
[[ -s "$OUT/game.err" ]] && fail "the run printed errors: $(cat "$OUT/game.err")"

[[ ${OXA_AUTOPILOT_REPLAY:-1} == 0 ]] && exit 0
copy_data
start_game --replay "$OUT/run.replay" --dump "$OUT/replayed.dump"
wait_game_exit 600
[[ $GAME_STATUS -eq 0 ]] || fail "the replay ended with status $GAME_STATUS: $(cat "$OUT/game.err")"
diff -u "$OUT/run.dump" "$OUT/replayed.dump" || fail "the replay ended the stages differently"
echo "ok: ten levels won; the replay ends them the same way"
