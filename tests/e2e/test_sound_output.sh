#!/usr/bin/env bash
# What the game plays, as OpenAL Soft's wave-file back end records it: the autopilot flies
# level 1 in real time (on a copy whose stage has one nectar spot, so it is won in about
# fifteen seconds). The recording is not silent; from the moment the sound log says the
# level's music starts, every second of it is as loud as that music is at that point; and
# where the log says the nectar and the hive sounds started, the recording is clearly louder
# than the music alone. Energies only, never exact samples: the mixer runs on its own clock.
source "$(dirname "$0")/lib.sh"
command -v sox >/dev/null || fail "sox is needed"

start_xvfb 640x480
copy_data
# One nectar spot of one load, and a target of that load.
sed -i '7s/^[0-9]* /1 /; 9s/^[0-9]* /10 /' "$DATA_DIR/STA/scena011.mtt"

recording="$OUT/recording.wav"
cat >"$OUT/alsoft.conf" <<CONF
[general]
drivers = wave
channels = stereo
sample-type = int16
[wave]
file = $recording
CONF
export ALSOFT_CONF="$OUT/alsoft.conf" ALSOFT_DRIVERS=wave
start_game --autopilot --level 1 --once --window-size 320x240 --sound-log "$OUT/sound.log"
wait_game_exit 120
[[ $GAME_STATUS -eq 0 ]] || fail "the game ended with status $GAME_STATUS: $(cat "$OUT/game.err")"
grep -q "^level 01 difficulty 1: won" "$OUT/game.out" || fail "level 1 was not won: $(cat "$OUT/game.out")"
[[ -s "$recording" ]] || fail "nothing was recorded"
cat "$OUT/sound.log"

# rms FILE START SECONDS: the RMS level in dB of a stretch of a file.
rms() { sox "$1" -n trim "$2" "$3" stats 2>&1 | awk '/^RMS lev dB/ { print $4 }'; }
# at EVENT FILE: the seconds of the first log line of that event and file.
at() { awk -v what="$1" -v file="$2" '$2 == what && $3 == file { print $1 / 1000; exit }' "$OUT/sound.log"; }
# all EVENT FILE: the seconds of every such line.
all() { awk -v what="$1" -v file="$2" '$2 == what && $3 == file { print $1 / 1000 }' "$OUT/sound.log"; }
# above A B DB: A exceeds B by at least DB.
above() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { exit !(a >= b + d) }'; }
near() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN { exit !(a - b <= d && b - a <= d) }'; }

length=$(soxi -D "$recording")
whole=$(rms "$recording" 0 "$length")
echo "recorded $length s at $(soxi -r "$recording") Hz, RMS $whole dB"
above "$whole" -50 0 || fail "the recording is silent (RMS $whole dB)"

music="$DATA_DIR/MOV/muzyka01.wav"
start=$(at loop 'MOV\muzyka01.wav')
[[ -n "$start" ]] || fail "the log has no level music"
nectar=$(at start 'MOV\kwiat.wav')
hive=$(at start 'MOV\ul.wav')
[[ -n "$nectar" && -n "$hive" ]] || fail "the log has no nectar or no hive sound"
loop=$(soxi -D "$music")
end=$(awk -v a="$length" 'BEGIN { print a - 1 }')

# The music alone, where the recording should hold it at `t`: its RMS over `seconds`.
music_rms() {
    local position
    position=$(awk -v t="$1" -v s="$start" -v l="$loop" 'BEGIN { p = t - s; while (p >= l) p -= l; print p }')
    awk -v p="$position" -v w="$2" -v l="$loop" 'BEGIN { exit !(p + w <= l) }' || return 1
    rms "$music" "$position" "$2"
}

# How much louder or quieter the mixer plays the music than its file (a mono sound in the
# middle of a stereo mix), from the quiet stretch before the first nectar.
quiet_start=$(awk -v s="$start" 'BEGIN { print s + 0.5 }')
quiet=$(awk -v s="$start" -v n="$nectar" 'BEGIN { print n - s - 1 }')
above "$quiet" 1 0 || fail "the nectar came too soon after the music to measure the music"
gain=$(awk -v r="$(rms "$recording" "$quiet_start" "$quiet")" -v m="$(music_rms "$quiet_start" "$quiet")" \
    'BEGIN { print r - m }')
echo "the mix plays the music at $gain dB"

# effect_near T: an effect started within the second from T or in the two seconds before.
effect_near() {
    awk -v t="$1" '$2 == "start" { s = $1 / 1000; if (s > t - 2.2 && s < t + 1) found = 1 } END { exit !found }' \
        "$OUT/sound.log"
}

# Every second from the music's start: the level's music, at its own loudness there.
checked=0
t=$(awk -v s="$start" 'BEGIN { print s + 0.3 }')
while above "$end" "$t" 1; do
    if expected=$(music_rms "$t" 1); then
        got=$(rms "$recording" "$t" 1)
        above "$got" -60 0 || fail "silence at $t s (RMS $got dB)"
        want=$(awk -v e="$expected" -v g="$gain" 'BEGIN { print e + g }')
        # Effects may only add to the music; the music itself is never missing, and where
        # no effect sounds, it is all there is.
        above "$got" "$want" -2 || fail "at $t s the recording ($got dB) is quieter than the music there ($want dB)"
        if ! effect_near "$t"; then
            near "$got" "$want" 2 || fail "at $t s the recording ($got dB) is not the music there ($want dB)"
        fi
        echo "at $t s: $got dB, the music $want dB"
        checked=$((checked + 1))
    fi
    t=$(awk -v t="$t" 'BEGIN { print t + 1 }')
done
[[ $checked -ge 5 ]] || fail "only $checked seconds of music to check"

# The nectar and hive sounds, where the log puts them: louder than the music alone.
for moment in $(all start 'MOV\kwiat.wav') $hive; do
    got=$(rms "$recording" "$moment" 0.3)
    expected=$(music_rms "$moment" 0.3) || continue
    above "$got" "$(awk -v e="$expected" -v g="$gain" 'BEGIN { print e + g }')" 3 ||
        fail "no sound at $moment s: $got dB against the music's $expected dB + $gain"
    echo "at $moment s: $got dB, the music alone $(awk -v e="$expected" -v g="$gain" 'BEGIN { print e + g }') dB"
done
echo "PASS"
