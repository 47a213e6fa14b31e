#!/usr/bin/env bash
# The generator's flowers, plants, nectar glow, icons and panel: every file is written,
# reads back with the game's readers with the objects its users draw, the panel elements
# that are drawn are textured and face the viewer, and the clock's digit cells hold solid
# glyphs where the panel samples them.
set -euo pipefail
: "${OXA_DATA_GEN:?OXA_DATA_GEN must name the oxa-data binary}"
: "${OXA_CHECK:?OXA_CHECK must name the oxa-check binary}"
OUT="${OXA_TEST_OUT:-/tmp/oxa-e2e}/test_oxa_data_collectibles"
rm -rf "$OUT"
mkdir -p "$OUT"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

"$OXA_DATA_GEN" "$OUT/tree"
T="$OUT/tree"

# file : what oxa-check must report (kind and object count; at least for SPRIT).
models="MOD/DATA/kwiata.wkx:object model, 6 objects
MOD/DATA/rosli.wkx:object model, 4 objects
MOD/DATA/ikony.wkx:object model, 3 objects
PUL/DATA/kontrolx.mex:layout, 19 objects"
while IFS=: read -r file want; do
    [[ -f "$T/$file" ]] || fail "missing $file"
    got=$("$OXA_CHECK" "$T/$file") || fail "$file does not read: $got"
    [[ "$got" == *": $want, "* ]] || fail "$file: expected '$want', got: $got"
done <<<"$models"
got=$("$OXA_CHECK" "$T/MOD/DATA/SPRIT.wkx") || fail "SPRIT.wkx does not read: $got"
sprites=$(sed -n 's/.*object model, \([0-9]*\) objects.*/\1/p' <<<"$got")
[[ -n "$sprites" && $sprites -ge 2 ]] || fail "SPRIT.wkx: expected 2 or more objects, got: $got"
# The same blocks read as a scene model too: each object drawn once where it stands.
got=$("$OXA_CHECK" --as scene "$T/MOD/DATA/kwiata.wkx") || fail "kwiata.wkx as a scene: $got"
[[ "$got" == *"6 objects"*"6 placements"* ]] || fail "kwiata.wkx as a scene: $got"

for texture in MOD/BMP_0/{kwiat1,kwiat2,kwiat3,kepa,kepa1,trawa1,sp,ikonki}.srm \
    PUL/BMP_0/{kontnie,kont,zegar,komp}.srm; do
    [[ -f "$T/$texture" ]] || fail "missing $texture"
    got=$("$OXA_CHECK" "$T/$texture") || fail "$texture does not read: $got"
    [[ "$got" == *"texture, RGB"*", side "* && "$got" != *"only"* ]] ||
        fail "$texture: not a whole texture: $got"
done
# Cut-outs and glows need their alpha channel.
for texture in MOD/BMP_0/{kwiat1,kwiat2,kwiat3,kepa,kepa1,trawa1,sp}.srm PUL/BMP_0/{kontnie,kont,zegar,komp}.srm; do
    [[ "$("$OXA_CHECK" "$T/$texture")" == *"texture, RGBA"* ]] || fail "$texture has no alpha"
done

# Panel elements the panel draws (0-8 lamps and plates, 17 compass, 18 clock face) must
# switch texturing on and keep back-face culling, or they vanish or leave culling off.
"$OXA_CHECK" --json "$T/PUL/DATA/kontrolx.mex" >"$OUT/kontrolx.json"
bad=$(awk '
    /"line":/ {
        element = n++
        if ($0 ~ /"vertexCount": 0,/ && (element < 9 || element > 16)) print "element " element " is empty"
    }
    /"sets":/ {
        if (element > 8 && element < 17) next
        sets = $0
        sub(/.*"sets": \{/, "", sets)
        sub(/\}.*/, "", sets)
        if (sets !~ /"texturing2D": true/ || sets !~ /"culledFace": "back"/ ||
            sets !~ /"faceCulling": true/) print "element " element ": " sets
    }
    END { if (n < 19) print "only " n " elements" }' "$OUT/kontrolx.json")
[[ -z "$bad" ]] || fail "panel elements: $bad"

# The digit cells of zegar (s across, t = stored row / side): each glyph quad shows its
# whole cell, so each cell needs solid ink inside and nothing at its borders, where
# filtering would mix it into the neighbouring cell.
od -An -v -tu1 -w4 -j16 "$T/PUL/BMP_0/zegar.srm" | awk '{ print $4 }' >"$OUT/zegar.alpha"
bad=$(awk -v side=512 '
    BEGIN {
        # glyph: s0 s1 t0 t1
        cell["1"] = "0 0.25 0.66 1"; cell["2"] = "0.25 0.5 0.66 1"
        cell["3"] = "0.5 0.75 0.66 1"; cell["4"] = "0.75 1 0.66 1"
        cell["5"] = "0 0.25 0.33 0.66"; cell["6"] = "0.25 0.5 0.33 0.66"
        cell["7"] = "0.5 0.75 0.33 0.66"; cell["8"] = "0.75 1 0.33 0.66"
        cell["9"] = "0 0.25 0 0.33"; cell["0"] = "0.25 0.5 0 0.33"; cell[":"] = "0.5 0.7 0 0.33"
    }
    { alpha[NR - 1] = $1 }
    END {
        for (g in cell) {
            split(cell[g], c, " ")
            x0 = int(c[1] * side); x1 = int(c[2] * side) - 1
            y0 = int(c[3] * side); y1 = int(c[4] * side) - 1
            solid = 0; edge = 0; area = 0
            for (y = y0; y <= y1; y++) for (x = x0; x <= x1; x++) {
                a = alpha[y * side + x]; area++
                if (a >= 250) solid++
                if ((x - x0 < 6 || x1 - x < 6 || y - y0 < 6 || y1 - y < 6) && a > 0) edge++
            }
            if (solid < area * (g == ":" ? 0.04 : 0.08)) print "glyph " g " has " solid " solid pixels of " area
            if (edge > 0) print "glyph " g " reaches its cell border (" edge " pixels)"
        }
    }' "$OUT/zegar.alpha")
[[ -z "$bad" ]] || fail "zegar: $bad"
echo "PASS"
