#!/usr/bin/env bash
# Letters typed on a Polish keyboard layout reach the game as their Windows-1250 bytes:
# AltGr+a (ą), AltGr+Shift+z (Ż), AltGr+o (ó) and AltGr+l (ł) beside a plain a, read back
# from a recording of the main menu, which keeps every typed key as the game took it.
# Under Xorg: Xvfb here keeps its keyboard map whatever setxkbmap asks.
source "$(dirname "$0")/lib.sh"
start_xorg_dummy
setxkbmap pl || fail "setxkbmap pl failed"

start_game --nosound --windowed --record "$OUT/keys.replay"
window=$(wait_window)
sleep 2
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
xdotool key --delay 100 a ISO_Level3_Shift+a ISO_Level3_Shift+shift+z ISO_Level3_Shift+o \
    ISO_Level3_Shift+l
sleep 1
kill -TERM "$GAME_PID"
wait_game_exit 30
[[ $GAME_STATUS -eq 0 ]] || fail "status $GAME_STATUS: $(cat "$OUT/game.err")"

keys=$(grep -o 'K:[0-9]*' "$OUT/keys.replay" | cut -d: -f2 | tr '\n' ' ')
# a ą Ż ó ł in Windows-1250
[[ "$keys" == "97 185 175 243 179 " ]] || fail "the typed keys came as: $keys"
echo "PASS: a ą Ż ó ł came as 97 185 175 243 179"
