#!/usr/bin/env bash
# Rebuilding the data tree the player plays on keeps the progress files: what the player
# earned survives an update of the game, while every other file is written anew.
source "$(dirname "$0")/lib.sh"
: "${OXA_DATA_GEN:?}"
tree="$OUT/tree"
"$OXA_DATA_GEN" "$tree"
printf '1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n' >"$tree/STA/eloper2.mtt"
earned=$(md5sum <"$tree/STA/eloper2.mtt")
fresh=$(md5sum <"$tree/STA/eloper1.mtt")
echo broken >"$tree/STA/scena011.mtt"
"$OXA_DATA_GEN" --keep-progress "$tree"
[[ "$(md5sum <"$tree/STA/eloper2.mtt")" == "$earned" ]] || fail "the player's progress was overwritten"
[[ "$(md5sum <"$tree/STA/eloper1.mtt")" == "$fresh" ]] || fail "an untouched progress file changed"
grep -q broken "$tree/STA/scena011.mtt" && fail "the stage file was not written anew"
# A progress file that is missing is written fresh.
rm "$tree/STA/eloper3.mtt"
"$OXA_DATA_GEN" --keep-progress "$tree"
[[ -s "$tree/STA/eloper3.mtt" ]] || fail "a missing progress file was not written"
echo "PASS"
