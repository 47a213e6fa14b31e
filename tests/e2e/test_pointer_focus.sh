#!/usr/bin/env bash
# The pointer, the keys and the focus of a game window that does not sit at the screen's
# origin: a 640x480 window moved to (200, 150) with the pointer resting at its centre keeps
# the bee's heading (the compass needle stays) over two seconds of fixed steps, and the
# flight reads the pointer at the window's centre. A held Up arrow stays held through X's
# auto-repeat while typed keys repeat; when the focus goes to another window while Up is
# held, the game lets go of Up (it never hears the release) and of the pointer, and takes
# the pointer back when the focus returns. Ctrl+Z lets the pointer go too.
source "$(dirname "$0")/lib.sh"
start_xvfb 1024x768

# frames FILE: the recording's frames, one line each: "x y keys" (its lines repeat counts).
frames() {
    tail -n +2 "$1" | awk '{ for (i = 0; i < $1; ++i) print $2, $3, $4 }'
}
pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }
# confined WHAT: the pointer sent far outside the window stays inside it.
confined() {
    xdotool mousemove 1000 740
    sleep 0.3
    read -r px py < <(pointer)
    ((px < 840 && py < 630)) || fail "$1: the pointer left the window (at $px,$py)"
}
free() {
    xdotool mousemove 1000 740
    sleep 0.3
    [[ "$(pointer)" == "1000 740" ]] || fail "$1: the pointer is held at $(pointer)"
}

# The window away from the origin, the pointer at its centre.
start_game --window-size 640x480 --level 1 --record "$OUT/pointer.replay"
wid=$(wait_window)
sleep 1
kill -STOP "$GAME_PID"
xdotool windowmove --sync "$wid" 200 150
xdotool mousemove 520 390
kill -CONT "$GAME_PID"
sleep 0.5
import -window root "$OUT/heading-before.png"
sleep 2
import -window root "$OUT/heading-after.png"
[[ "$(pointer)" == "520 390" ]] || fail "the pointer moved to $(pointer)"
kill -TERM "$GAME_PID"
wait_game_exit 10
# The compass needle, in the panel's bottom-left corner, has not turned.
for shot in before after; do
    convert "$OUT/heading-$shot.png" -crop 90x90+208+533 +repage "$OUT/compass-$shot.png"
done
changed=$(compare -metric AE -fuzz 10% "$OUT/compass-before.png" "$OUT/compass-after.png" null: 2>&1 || true)
((changed < 40)) || fail "the compass turned: $changed of its pixels changed"
# Over the last two seconds (125 frames of 16 ms) the flight read the window's centre.
last=$(frames "$OUT/pointer.replay" | tail -125 | sort -u)
[[ "$last" == "320 240 -" ]] || fail "the flight read: $(echo "$last" | head -3)"
echo "window at 200,150: the flight reads 320 240 at the pointer's rest; $changed compass pixels changed in 2 s"

# Keys and focus.
xlogo -geometry 200x150+800+600 &
other=$!
start_game --window-size 640x480 --level 1 --record "$OUT/keys.replay"
wid=$(wait_window)
logo=$(xdotool search --sync --name '^xlogo$' | head -1)
sleep 1
xdotool mousemove 520 390
xdotool windowfocus --sync "$wid"
xdotool keydown x
sleep 1.5
xdotool keyup x
xdotool keydown Up
sleep 1.5
confined "with the focus"
# The focus goes to another window while Up is held, and Up is let go over there.
xdotool windowfocus --sync "$logo"
sleep 0.5
free "without the focus"
xdotool keyup Up
sleep 0.5
# The focus comes back: the pointer is held again.
xdotool windowfocus --sync "$wid"
sleep 0.5
confined "with the focus back"
kill -TERM "$GAME_PID"
wait_game_exit 10
kill "$other"

typed=$(grep -o 'K:120,' "$OUT/keys.replay" | wc -l)
((typed >= 5)) || fail "a held x typed $typed times: typed keys do not repeat"
# Up: held without a break while the game had the focus, let go with the focus, and not
# held again (its release went to the other window).
runs=$(frames "$OUT/keys.replay" | awk '{ print $3 }' | uniq | tr '\n' ' ')
[[ "$runs" == "- U - " ]] || fail "the Up arrow's held state went: $runs"
held=$(frames "$OUT/keys.replay" | awk '$3 == "U"' | wc -l)
echo "a held x typed $typed times; Up held for $held frames, then let go with the focus"

# Ctrl+Z lets the pointer go; continued, it is held again.
start_game --window-size 640x480 --level 1
wid=$(wait_window)
sleep 1
xdotool mousemove 320 240
confined "before Ctrl+Z"
kill -TSTP "$GAME_PID"
sleep 0.5
free "stopped"
kill -CONT "$GAME_PID"
sleep 0.5
confined "continued"
kill -TERM "$GAME_PID"
wait_game_exit 10
echo "PASS"
