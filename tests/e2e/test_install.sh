#!/usr/bin/env bash
# Installed like a Debian game: `cmake --install` into a temporary DESTDIR puts every file
# where the desktop looks for it, the desktop entry and metainfo validate and speak the six
# languages, the manual pages name every option, the licences and the changelog are there
# and name one version; the installed binary finds its tree without options and shows the
# main menu in each language; a level won by the autopilot saves progress in the player's
# home (HOME a temporary folder), never in the installed tree; a progress folder that
# cannot be made is said in one line and the game goes on.
source "$(dirname "$0")/lib.sh"

dest="$OUT/dest"
DESTDIR="$dest" cmake --install "$(dirname "$OXA_BIN")" --prefix /usr >"$OUT/install.log" 2>&1 ||
    fail "cmake --install: $(tail -5 "$OUT/install.log")"
share="$dest/usr/share"
for file in usr/bin/oxa usr/bin/oxa-check usr/share/oxa/data/STA/eloper1.mtt \
    usr/share/applications/io.github.oxa_game.oxa.desktop \
    usr/share/metainfo/io.github.oxa_game.oxa.metainfo.xml usr/share/man/man6/oxa.6.gz \
    usr/share/man/man6/oxa-check.6.gz usr/share/doc/oxa/copyright usr/share/doc/oxa/changelog.gz \
    usr/share/doc/oxa-data/copyright usr/share/doc/oxa-data/changelog.gz \
    usr/share/icons/hicolor/{48x48,128x128,256x256}/apps/oxa.png; do
    [[ -s "$dest/$file" ]] || fail "not installed: $file"
done
for size in 48 128 256; do
    [[ $(identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/oxa.png") == "${size}x${size}" ]] ||
        fail "the ${size}x${size} icon has the wrong size"
done
desktop-file-validate "$share/applications/io.github.oxa_game.oxa.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/io.github.oxa_game.oxa.metainfo.xml" >"$OUT/appstream.log" ||
    fail "metainfo: $(cat "$OUT/appstream.log")"
zcat "$share/man/man6/oxa.6.gz" >"$OUT/oxa.6"
for option in $("$OXA_BIN" --help | grep -o -- '^  --[a-z-]*'); do
    grep -q -- "${option//-/\\\\-}" "$OUT/oxa.6" || fail "the manual page misses $option"
done
zcat "$share/man/man6/oxa-check.6.gz" >"$OUT/oxa-check.6"
for option in --as --json --tree; do
    grep -q -- "${option//-/\\\\-}" "$OUT/oxa-check.6" || fail "oxa-check's manual page misses $option"
done
# The licences, and one version everywhere: the binary, the changelog, the newest release.
version=$("$OXA_BIN" --version | head -1 | cut -d' ' -f2)
"$OXA_BIN" --version | grep -q "GNU GPL version 3 or later" || fail "--version names no licence"
grep -q "^License: GPL-3+$" "$share/doc/oxa/copyright" || fail "copyright: no GPL-3+"
grep -q "^License: OFL-1.1$" "$share/doc/oxa/copyright" || fail "copyright: no OFL-1.1"
[[ $(zcat "$share/doc/oxa/changelog.gz" | head -1) == "oxa ($version) "* ]] ||
    fail "the changelog's newest entry is not $version"
grep -q "<project_license>GPL-3.0-or-later</project_license>" \
    "$share/metainfo/io.github.oxa_game.oxa.metainfo.xml" || fail "metainfo: no licence"
grep -q "<release version=\"$version\" date=\"[0-9-]*\">" \
    "$share/metainfo/io.github.oxa_game.oxa.metainfo.xml" || fail "metainfo: no release $version"
for lang in pl de fr es cs; do
    grep -q "^Comment\[$lang\]=" "$share/applications/io.github.oxa_game.oxa.desktop" ||
        fail "the desktop entry has no $lang comment"
    grep -q "<summary xml:lang=\"$lang\">" "$share/metainfo/io.github.oxa_game.oxa.metainfo.xml" ||
        fail "metainfo has no $lang summary"
done

oxa="$dest/usr/bin/oxa"
fresh=$(md5sum <"$share/oxa/data/STA/eloper1.mtt")
home="$OUT/home"
mkdir -p "$home"
# player ARGS...: the installed game as a player whose home is $home, no tree named.
player() {
    env -u OXA_DATA -u XDG_DATA_HOME -u LANGUAGE -u LC_ALL -u LC_MESSAGES HOME="$home" \
        LANG="${PLAYER_LANG:-C.UTF-8}" "$@"
}
start_xvfb 640x480

player "$oxa" --no-intro --window-size 640x480 --screenshot "$OUT/menu.png" --frames 20 \
    >"$OUT/menu.out" 2>"$OUT/menu.err" || fail "the main menu: $(cat "$OUT/menu.err")"
colours=$(convert "$OUT/menu.png" -posterize 8 -format '%k' info:)
((colours > 50)) || fail "the main menu is nearly empty: $colours colours"
# A Polish player's menu: the same garden, other words on the buttons.
PLAYER_LANG=pl_PL.UTF-8 player "$oxa" --no-intro --window-size 640x480 --screenshot "$OUT/menu_pl.png" \
    --frames 20 >"$OUT/menu_pl.out" 2>"$OUT/menu_pl.err" || fail "the Polish menu: $(cat "$OUT/menu_pl.err")"
player "$oxa" --no-intro --lang pl --window-size 640x480 --screenshot "$OUT/menu_lang_pl.png" --frames 20 \
    2>"$OUT/menu_pl.err" || fail "--lang pl: $(cat "$OUT/menu_pl.err")"
words=$(compare -metric AE -fuzz 3% "$OUT/menu.png[200x300+0+0]" "$OUT/menu_pl.png[200x300+0+0]" null: 2>&1 || true)
((${words%%.*} > 1000)) || fail "the Polish buttons look like the English ones ($words pixels differ)"
garden=$(compare -metric AE -fuzz 3% "$OUT/menu.png[200x200+440+280]" "$OUT/menu_pl.png[200x200+440+280]" null: 2>&1 || true)
((${garden%%.*} < 400)) || fail "the Polish menu's garden differs in $garden pixels"
same=$(compare -metric AE "$OUT/menu_pl.png" "$OUT/menu_lang_pl.png" null: 2>&1 || true)
((${same%%.*} < 400)) || fail "--lang pl and LANG=pl_PL differ in $same pixels"
# German, French, Spanish and Czech players: words of their own on the buttons.
for locale in de_DE fr_FR es_ES cs_CZ; do
    PLAYER_LANG=$locale.UTF-8 player "$oxa" --no-intro --window-size 640x480 \
        --screenshot "$OUT/menu_$locale.png" --frames 20 2>"$OUT/menu_$locale.err" ||
        fail "the $locale menu: $(cat "$OUT/menu_$locale.err")"
    words=$(compare -metric AE -fuzz 3% "$OUT/menu.png[200x300+0+0]" "$OUT/menu_$locale.png[200x300+0+0]" null: 2>&1 || true)
    ((${words%%.*} > 1000)) || fail "the $locale buttons look like the English ones ($words pixels differ)"
done

player timeout 300 "$oxa" --level 1 --once --autopilot --fixed-step 33 --window-size 320x240 \
    --nosound >"$OUT/level.out" 2>"$OUT/level.err" || fail "level 1: $(cat "$OUT/level.err")"
grep -q "won" "$OUT/level.out" || fail "the autopilot did not win: $(cat "$OUT/level.out")"
saved="$home/.local/share/oxa/eloper1.mtt"
[[ -f $saved ]] || fail "no progress in the player's home: $(find "$home")"
[[ $(head -2 "$saved" | tr -d '\r ' | paste -sd' ') == "1 1" ]] || fail "level 2 not open in $saved"
[[ "$(md5sum <"$share/oxa/data/STA/eloper1.mtt")" == "$fresh" ]] || fail "the installed tree was written"
[[ -s "$OUT/level.err" ]] && fail "the level printed errors: $(cat "$OUT/level.err")"

# XDG_DATA_HOME below a plain file: the progress folder cannot be made.
: >"$OUT/plain"
status=0
env -u OXA_DATA HOME="$home" XDG_DATA_HOME="$OUT/plain/data" timeout 300 "$oxa" --level 1 --once \
    --autopilot --fixed-step 33 --window-size 320x240 --nosound \
    >"$OUT/unsaved.out" 2>"$OUT/unsaved.err" || status=$?
[[ $status -eq 0 ]] || fail "the game did not go on: status $status, $(cat "$OUT/unsaved.err")"
grep -q "won" "$OUT/unsaved.out" || fail "the level did not end: $(cat "$OUT/unsaved.out")"
grep -qx "oxa: progress not saved: cannot make the folder $OUT/plain/data/oxa: Not a directory" \
    "$OUT/unsaved.err" || fail "the failed write was not said: $(cat "$OUT/unsaved.err")"
echo "PASS"
