#!/usr/bin/env bash
# oxa-check on a few hand-made data files: one summary line per good file, the error as
# FILE:LINE: message for a bad one, exit status 0 only when every file was read.
set -euo pipefail
check=${OXA_CHECK:?set OXA_CHECK to the oxa-check binary}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p MOD/DATA SCE/DATA MEN/DAT MOD/BMP_0

header() { printf '%5s%5d%4d %s %s %5d\r\n' '' "$1" "$2" "$3" "$4" "$5"; }
vertex() { printf '%7s%7s%7s%7s%7s%-12s\r\n' "$1" "$2" 0 0 0 '255,128,0'; }
triangle() { vertex -0.5 -0.5; vertex 0.5 -0.5; vertex 0 0.5; }
placement() { printf '%7s%7s%7s%7s\r\n' 1 0 0 0 0 1 0 0 0 0 1 0 "$1" 0 0 1; }

{ printf '  2\r\n'; header 3 1 N a 512; triangle; placement 0; header 3 1 N K 0; triangle; placement 0; } \
    >MOD/DATA/kwiata.wkx
{ printf '  1\r\n'; header 3 2 N g 0; triangle; placement 1; placement 2; } >SCE/DATA/Garden02.wkx
{ printf '  1\r\n'; header 3 0 N A 4; vertex 0 0; vertex 1 0; vertex 1 1; vertex 0 1; } >MEN/DAT/menuone.mex
{ printf 'A?2'; head -c 13 /dev/zero; head -c 16384 /dev/zero; } >MOD/BMP_0/motyl.srm
{ printf '  1\r\n'; header 3 0 N a 0; vertex 0 0; printf '  0.000   oops\r\n'; } >MOD/DATA/bad.wkx

fail() { echo "FAIL: $*"; exit 1; }
expect_line() {  # expect_line OUTPUT LINE
    grep -qxF -- "$2" <<<"$1" || fail "missing line: $2"$'\n'"in:"$'\n'"$1"
}

out=$("$check" 'MOD\DATA\KWIATA.wkx' sce/data/garden02.wkx MEN/DAT/menuone.mex MOD/BMP_0/motyl.srm 2>&1) ||
    fail "good files gave status $?: $out"
expect_line "$out" "MOD/DATA/kwiata.wkx: object model, 2 objects, 6 vertex lines, materials a K"
expect_line "$out" "SCE/DATA/Garden02.wkx: scene model, 1 object, 3 vertex lines, 2 placements, materials g"
expect_line "$out" "MEN/DAT/menuone.mex: layout, 1 object, 4 vertex lines, materials A"
expect_line "$out" "MOD/BMP_0/motyl.srm: texture, RGBA, side 64, 16384 pixel bytes"

status=0
out=$("$check" MOD/DATA/kwiata.wkx MOD/DATA/bad.wkx MOD/DATA/none.wkx 2>&1) || status=$?
[[ $status -eq 1 ]] || fail "a bad file gave status $status"
expect_line "$out" "MOD/DATA/bad.wkx:4: 'oops' is not a valid floating point value"
expect_line "$out" "Cannot open file MOD/DATA/none.wkx"

# Read as a scene, the object model's skipped lines become placements.
out=$("$check" --as scene --json MOD/DATA/kwiata.wkx) || fail "--as scene failed"
grep -q '"kind": "scene"' <<<"$out" || fail "no scene kind in: $out"
grep -q '"sets": {"alphaTest": true, "faceCulling": false}' <<<"$out" || fail "no state in: $out"
[[ $(grep -c '"placementCount": 1' <<<"$out") -eq 2 ]] || fail "placements in: $out"
if command -v python3 >/dev/null; then
    python3 -c 'import json,sys; json.load(sys.stdin)' <<<"$out" || fail "not JSON: $out"
fi

# Waves: format, length and peak, or why the game could not play one.
mkdir -p MOV
sox -D -n -r 22050 -b 16 -c 1 MOV/beep.wav synth 0.5 sine 440 vol 0.5
printf 'RIFF\x04\x00\x00\x00AVI ' >MOV/movie.wav
sox -D -n -r 22050 -b 32 -e float -c 1 MOV/float.wav synth 0.1 sine 440
status=0
out=$("$check" mov/BEEP.wav MOV/movie.wav MOV/float.wav 2>&1) || status=$?
[[ $status -eq 1 ]] || fail "waves the game cannot play gave status $status"
grep -qxE 'MOV/beep\.wav: wave, PCM 22050 Hz 16-bit mono, 0\.50 s, peak -6\.[0-9] dB' <<<"$out" ||
    fail "no summary of the beep in: $out"
expect_line "$out" 'MOV/movie.wav: a RIFF file of form "AVI ", not "WAVE"'
grep -qxE 'MOV/float\.wav: format tag (3|65534): only PCM sound .*' <<<"$out" ||
    fail "no refusal of the float wave in: $out"
out=$("$check" --json MOV/beep.wav) || fail "--json on a wave failed"
grep -q '"kind": "wave"' <<<"$out" && grep -q '"samplesPerSecond": 22050' <<<"$out" ||
    fail "no wave in: $out"

status=0
"$check" --as nonsense MOD/DATA/kwiata.wkx 2>/dev/null || status=$?
[[ $status -eq 2 ]] || fail "a wrong command line gave status $status"
echo "oxa-check: all good"
