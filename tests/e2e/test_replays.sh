#!/usr/bin/env bash
# Every committed replay (tests/replays/*.replay), played headless on a fresh copy of the
# data tree, ends its stages exactly as its expected dump says. A difference means the
# rules of play, the timings, the scoring or the levels' data changed: explain it, then
# record the replays again with tests/replays/record.sh.
source "$(dirname "$0")/lib.sh"
: "${OXA_SOURCE:?OXA_SOURCE must name the source tree}"

start_xvfb 640x480
count=0
for replay in "$OXA_SOURCE"/tests/replays/*.replay; do
    name=$(basename "$replay" .replay)
    copy_data
    start_game --replay "$replay" --dump "$OUT/$name.dump"
    wait_game_exit 300
    [[ $GAME_STATUS -eq 0 ]] || fail "$name: the replay ended with status $GAME_STATUS: $(cat "$OUT/game.err")"
    diff -u "${replay%.replay}.dump" "$OUT/$name.dump" || fail "$name: the stage ends differ"
    count=$((count + 1))
done
((count >= 3)) || fail "expected at least three committed replays, found $count"
echo "ok: $count replays end as expected"
