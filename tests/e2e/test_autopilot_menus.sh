#!/usr/bin/env bash
# The autopilot plays the whole game through the menus, by pointer moves, clicks and typed
# keys only: New game, difficulty 1, level 1, the summary on to level 2, then level 3's
# clock runs out; it types its name into the best scores, goes back and quits through the
# question with status 0. The progress file keeps level 3 unlocked and the name.
source "$(dirname "$0")/lib.sh"

start_xvfb 640x480
copy_data
start_game --window-size 320x240 --nosound --autopilot --menu-levels 1-2 --fixed-step 33 \
    --dump "$OUT/run.dump" --record "$OUT/run.replay"
wait_game_exit 590
[[ $GAME_STATUS -eq 0 ]] || fail "the game ended with status $GAME_STATUS: $(cat "$OUT/game.err")"
cat "$OUT/run.dump"
grep -q '^level 01 difficulty 1 won' "$OUT/run.dump" || fail "level 1 was not won"
grep -q '^level 02 difficulty 1 won' "$OUT/run.dump" || fail "level 2 was not won"
grep -q '^level 03 difficulty 1 time-up' "$OUT/run.dump" || fail "level 3 did not run out"
progress="$DATA_DIR/STA/eloper1.mtt"
[[ "$(sed -n 3p "$progress" | tr -d '\r')" == 1 ]] || fail "level 3 is not unlocked in $progress"
grep -q 'OXA BEE' "$progress" || fail "the typed name is not in $progress"
echo "ok: the autopilot played levels 1 and 2 through the menus, wrote its name and quit"
