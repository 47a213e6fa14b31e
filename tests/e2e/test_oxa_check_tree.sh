#!/usr/bin/env bash
# oxa-check --tree on the generated data tree (clean) and on a damaged copy: a texture
# deleted, a scene file cut short, a scene file holding one object too few, a menu layout
# holding too few, the menus' pointer deleted, a table sound deleted and a level's music
# cut short; a creature texture and a dragonfly file deleted, a fish file cut short and a
# fish model with an object too many; a German picture of the wrong size, a French one cut
# short and a Czech one for no picture of the tree. Each problem is one line naming its file, and the
# status says whether the tree is clean.
set -euo pipefail
check=${OXA_CHECK:?set OXA_CHECK to the oxa-check binary}
data=${OXA_DATA:?set OXA_DATA to the generated data tree}
OUT="${OXA_TEST_OUT:-/tmp/oxa-e2e}/test_oxa_check_tree"
rm -rf "$OUT"
mkdir -p "$OUT"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
expect_line() { # expect_line OUTPUT EXTENDED-REGEX
    grep -qxE -- "$2" <<<"$1" || fail "no line matching: $2"$'\n'"in:"$'\n'"$1"
}

out=$("$check" --tree "$data") || fail "the generated tree gave status $?: $out"
expect_line "$out" ".*: [0-9]+ files read \(.*sounds.*\), no problems"
[[ $(wc -l <<<"$out") -eq 1 ]] || fail "a clean tree printed more than its summary: $out"

broken="$OUT/data"
cp -r "$data" "$broken"
rm "$broken/SCE/BMP_0/ziemia.srm"
head -n 100 "$data/SCE/DATA/garden03.wkx" >"$broken/SCE/DATA/garden03.wkx"
# Scene 5 draws 31 objects; its count line now says 30 and the last block is left over.
sed '1s/.*/ 30\r/' "$data/SCE/DATA/garden05.wkx" >"$broken/SCE/DATA/garden05.wkx"
# The main menu's layout with two objects of eight, and the menus' pointer gone.
sed '1s/.*/  2\r/' "$data/MEN/DAT/menuone.mex" >"$broken/MEN/DAT/menuone.mex"
rm "$broken/PUL/BMP_0/kursor.srm"
# A sound of the table gone, a level's music cut short.
rm "$broken/MOV/klik.wav"
head -c 30 "$data/MOV/muzyka03.wav" >"$broken/MOV/muzyka03.wav"
rm "$broken/MOD/BMP_0/motyl.srm" "$broken/STA/w0511.mtt"
head -n 6 "$data/STA/r0521.mtt" >"$broken/STA/r0521.mtt"
{ printf '  2\r\n'; tail -n +2 "$data/MOD/DATA/rybka.wkx"; tail -n +2 "$data/MOD/DATA/rybka.wkx"; } \
    >"$broken/MOD/DATA/rybka.wkx"
# A German picture of another side than the English one, a French one cut short and a
# Czech one standing in for no picture of the tree.
cp "$data/MEN/BMP_0/menuzaky.srm" "$broken/LANG/DE/MEN/BMP_0/menuonex.srm"
head -c 5000 "$data/LANG/FR/MEN/BMP_0/help.srm" >"$broken/LANG/FR/MEN/BMP_0/help.srm"
cp "$data/LANG/CS/MEN/BMP_0/help.srm" "$broken/LANG/CS/MEN/BMP_0/pomoc.srm"

status=0
out=$("$check" --tree "$broken") || status=$?
echo "$out"
[[ $status -eq 1 ]] || fail "a broken tree gave status $status"
expect_line "$out" "$broken/SCE/BMP_0/ziemia\.srm: missing, named by the slots of scenes 00 01 .*"
expect_line "$out" "$broken/SCE/DATA/garden03\.wkx:[0-9]+: List index out of bounds \([0-9]+\)"
expect_line "$out" "$broken/SCE/DATA/garden05\.wkx:1: 30 objects, but scene 05 draws 31"
expect_line "$out" "$broken/MEN/DAT/menuone\.mex:1: 2 objects, but the main menu draws 8"
expect_line "$out" "$broken/PUL/BMP_0/kursor\.srm: missing, named by the menus' pointer"
expect_line "$out" "$broken/MOV/klik\.wav: missing, named by the sound table"
expect_line "$out" "$broken/MOV/muzyka03\.wav: the \"fmt \" chunk is cut short"
expect_line "$out" "$broken/MOD/BMP_0/motyl\.srm: missing, named by the butterflies"
expect_line "$out" "$broken/STA/w0511\.mtt: missing, named by $broken/STA/scena051\.mtt"
expect_line "$out" "$broken/STA/r0521\.mtt:7: the fish file ends after 6 lines; it needs 10"
expect_line "$out" "$broken/MOD/DATA/rybka\.wkx:1: 2 objects, but the fish draw 1"
expect_line "$out" "$broken/LANG/DE/MEN/BMP_0/menuonex\.srm: is RGBA of side 512, the English picture RGBA of side 1024"
expect_line "$out" "$broken/LANG/FR/MEN/BMP_0/help\.srm: holds 4984 of 3145728 pixel bytes"
expect_line "$out" "$broken/LANG/CS/MEN/BMP_0/pomoc\.srm: stands in for MEN\\\\BMP_0\\\\pomoc\.srm, which the tree does not have"
expect_line "$out" ".*: [0-9]+ files read \(scenes.*languages\), 14 problems"

status=0
"$check" --tree "$OUT/nowhere" >/dev/null || status=$?
[[ $status -eq 1 ]] || fail "a missing folder gave status $status"
echo "PASS"
