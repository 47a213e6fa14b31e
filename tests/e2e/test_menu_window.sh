#!/usr/bin/env bash
# Menus in a window smaller than the desktop fill the window at its own scale: the game's
# orange name stands in the top right corner, not a piece of sky cut from a desktop-sized
# picture.
source "$(dirname "$0")/lib.sh"

start_xvfb 1024x768
for size in 320x240 800x600; do
    w=${size%x*} h=${size#*x}
    start_game --window-size "$size" --nosound --screenshot "$OUT/menu-$size.png" --frames 5
    wait_game_exit 60
    [[ $GAME_STATUS -eq 0 ]] || fail "$size: status $GAME_STATUS: $(cat "$OUT/game.err")"
    crop="$((w * 9 / 32))x$((h / 8))+$((w * 41 / 64))+$((h / 8))"
    warmth=$(convert "$OUT/menu-$size.png" -crop "$crop" +repage -format '%[fx:mean.r-mean.b]' info:)
    awk -v v="$warmth" 'BEGIN { exit !(v > 0.1) }' ||
        fail "$size: the top right corner is not the game's name (red minus blue $warmth)"
done
echo "ok: the main menu fills windows of 320x240 and 800x600"
