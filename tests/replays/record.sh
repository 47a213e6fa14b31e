#!/usr/bin/env bash
# Records the committed replays again with the autopilot, with their expected dumps:
#   tests/replays/record.sh BUILD_DIR
# Run it after a deliberate change to the rules or the levels' data, and explain the
# changed dumps in the commit.
set -euo pipefail
build=${1:?usage: record.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"; [[ -n ${server:-} ]] && kill "$server" 2>/dev/null || true' EXIT
export ALSOFT_DRIVERS=null
display=${OXA_RECORD_DISPLAY:-97}
Xvfb ":$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
export DISPLAY=":$display"
sleep 1

# name: the options of the recorded run
record() {
    local name=$1
    shift
    rm -rf "$work/data" "$here/$name.dump"
    cp -r "$build/data" "$work/data"
    "$build/oxa" --data "$work/data" --fixed-step 33 --window-size 320x240 \
        --record "$here/$name.replay" --dump "$here/$name.dump" "$@" >/dev/null
    echo "$name: $(cat "$here/$name.dump")"
}

record level01-autopilot --autopilot --level 1
record level05-autopilot-icons --autopilot --level 5
# A whole game through the menus: New game, level 1, the summary, level 2's clock runs
# out, a name in the best scores, the quit.
record menus-level01 --autopilot --menu-levels 1-1

# Nobody at the controls: the pointer rests at the centre and the bee waits by the hive
# until the clock runs out (the five seconds of the countdown and 3:30 at 33 ms a frame are
# 6516 frames).
name=level02-time-up
printf 'oxa-replay 1 step 33 level 2 difficulty 1 size 320x240\n6700 160 120 -\n' >"$here/$name.replay"
rm -rf "$work/data" "$here/$name.dump"
cp -r "$build/data" "$work/data"
"$build/oxa" --data "$work/data" --replay "$here/$name.replay" --dump "$here/$name.dump" >/dev/null
echo "$name: $(cat "$here/$name.dump")"
