#!/usr/bin/env bash
# The data generator: two runs write identical trees, and every garden scene file holds
# exactly the objects its scene draws, with every texture its slots name beside it.
set -euo pipefail
: "${OXA_DATA_GEN:?OXA_DATA_GEN must name the oxa-data binary}"
OUT="${OXA_TEST_OUT:-/tmp/oxa-e2e}/test_oxa_data"
rm -rf "$OUT"
mkdir -p "$OUT"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

start=$(date +%s.%N)
"$OXA_DATA_GEN" "$OUT/a"
end=$(date +%s.%N)
awk -v a="$start" -v b="$end" 'BEGIN { printf "oxa-data wrote the tree in %.2f s\n", b - a }'
"$OXA_DATA_GEN" "$OUT/b"

digest() { (cd "$1" && find . -type f | LC_ALL=C sort | xargs sha256sum); }
digest "$OUT/a" >"$OUT/a.sha256"
digest "$OUT/b" >"$OUT/b.sha256"
diff -u "$OUT/a.sha256" "$OUT/b.sha256" || fail "two runs wrote different trees"

# Scene number and object count of every garden.
scenes="00:29 01:39 02:37 03:36 04:43 05:31 06:37 07:31 08:37 09:33 10:72
        20:38 21:34 22:37 23:44 24:32 25:30 26:32"
for entry in $scenes; do
    file="$OUT/a/SCE/DATA/garden${entry%%:*}.wkx"
    want=${entry##*:}
    [[ -f "$file" ]] || fail "missing $file"
    # Walk the object blocks by their header columns: vertex count (6-10) and placement
    # count (11-14) say how many lines follow; the walk must end exactly at the file's end.
    got=$(tr -d '\r' <"$file" | awk '
        NR == 1 { count = substr($0, 1, 3) + 0; next_header = 2; objects = 0; next }
        NR == next_header {
            if (substr($0, 16, 1) != "N") { print "bad header at line " NR; exit }
            objects++
            next_header = NR + 1 + substr($0, 6, 5) + 4 * substr($0, 11, 4)
        }
        END {
            if (objects != count) print "count line says " count ", blocks " objects
            else if (next_header != NR + 1) print "blocks end at line " next_header - 1 " of " NR
            else print count
        }')
    [[ "$got" == "$want" ]] || fail "$file: expected $want objects, got: $got"
done

# Every texture is a well-formed square image: size code '1'..'6' and exactly its pixels.
textures=0
for file in "$OUT/a/SCE/BMP_0/"*.srm; do
    textures=$((textures + 1))
    letter=$(head -c 1 "$file")
    code=$(head -c 3 "$file" | tail -c 1)
    [[ "$code" =~ ^[1-6]$ ]] || fail "$file: size code '$code'"
    side=$((32 << (code - 1)))
    bpp=3
    [[ "$letter" == [aAkK] ]] && bpp=4
    size=$(stat -c %s "$file")
    [[ $size -eq $((16 + side * side * bpp)) ]] || fail "$file: $size bytes for side $side"
done
# 64 distinct names (letter case ignored) across the eighteen slot lists.
[[ $textures -eq 64 ]] || fail "expected 64 scene textures, found $textures"
for name in niebo2up Droga plot Plot3 NIEBO21UP ul03 wyj tencza; do
    ls "$OUT/a/SCE/BMP_0/" | grep -qix "$name.srm" || fail "no texture $name.srm"
done
echo "PASS"
