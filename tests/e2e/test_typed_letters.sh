#!/usr/bin/env bash
# Letters typed on the keyboards of the menus' languages reach the game as the Windows-1250
# bytes of the letters they are, or not at all: GLUT hands over Latin-1 bytes, and some of
# them stand for other letters in Windows-1250 (ñ is ń there, ¿ is ż, à is ŕ, £ is Ł).
# Spanish ñ ¿ and French à, which Windows-1250 lacks, are dropped; German ä ö ü ß and
# French é ç, which it holds at the same bytes, pass; ó typed with the Spanish keyboard's
# dead acute reaches the game too. Read back from a recording of the main menu, which keeps
# every typed key as the game took it. Under Xorg: Xvfb keeps its keyboard map whatever
# setxkbmap asks.
source "$(dirname "$0")/lib.sh"
start_xorg_dummy

# typed LAYOUT KEYS...: the bytes the game took for KEYS typed on LAYOUT.
typed() {
    local layout=$1
    shift
    setxkbmap "$layout" || fail "setxkbmap $layout failed"
    start_game --nosound --windowed --record "$OUT/keys-$layout.replay"
    local window
    window=$(wait_window)
    sleep 2
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    xdotool key --delay 100 "$@"
    sleep 1
    kill -TERM "$GAME_PID"
    wait_game_exit 30
    [[ $GAME_STATUS -eq 0 ]] || fail "status $GAME_STATUS: $(cat "$OUT/game.err")"
    grep -o 'K:[0-9]*' "$OUT/keys-$layout.replay" | cut -d: -f2 | tr '\n' ' '
}

# Spanish: n ñ ¿ ó (dead acute, o) Ñ
keys=$(typed es n ntilde questiondown dead_acute o shift+ntilde)
[[ "$keys" == "110 243 " ]] || fail "Spanish keys came as: $keys (n ó expected)"
# German: a ä ö ü ß
keys=$(typed de a adiaeresis odiaeresis udiaeresis ssharp)
[[ "$keys" == "97 228 246 252 223 " ]] || fail "German keys came as: $keys"
# French: é è à ç ù
keys=$(typed fr eacute egrave agrave ccedilla ugrave)
[[ "$keys" == "233 231 " ]] || fail "French keys came as: $keys (é ç expected)"
# British: £ is not Ł
keys=$(typed gb a sterling)
[[ "$keys" == "97 " ]] || fail "British keys came as: $keys"
echo "PASS: every typed letter came as itself in Windows-1250, or not at all"
