#!/usr/bin/env bash
# The release check, run by hand before a release (not in CI: it takes its time).
#
#   1. Every libFuzzer target fuzzes from its committed corpus (tests/fuzz/corpus) for ten
#      minutes (--fuzz-seconds S), with a seed of its own: no finding (crash, leak, undefined
#      behaviour, an input running longer than 30 s or taking more than 2 GB).
#   2. A soak under AddressSanitizer and UndefinedBehaviorSanitizer: the autopilot plays whole
#      games through the menus in one process, at difficulty 1, 2, 3 and round again, for
#      MINUTES minutes (default 30); then the window is closed as a player would. Its resident
#      memory, sampled every 10 s, may grow by less than 5 MB after the first whole game at
#      each difficulty (a game's memory: the median of its samples; at least four whole
#      games are needed to judge); no sanitizer may report anything (the leak check at the
#      exit included); the game ends with status 0; and every game's stage ends are what the
#      autopilot plays for: levels A to B (--levels A-B, default 1-10) won in order, then the
#      next level's clock run out (after level 10: the game is done), at that game's
#      difficulty, each total the sum of that game's own points.
#
# The fuzz targets run beside the soak, --fuzz-jobs at a time (default: the cores left after
# two for the soak, at least one): on a machine of eight cores the whole check takes about
# MINUTES. A table at the end sums it up; the exit status is 0 only when nothing was found.
# Logs, findings and the soak's dump stay in build/release-check/<date>/.
#
# usage: scripts/release-check.sh [--fuzz-seconds S] [--fuzz-jobs J] [--levels A-B] [MINUTES]
set -uo pipefail
cd "$(dirname "$0")/.." || exit 2
root=$(pwd)

usage() {
    sed -n 's/^# usage: /usage: /p' "$0" >&2
    exit 2
}
die() {
    echo "release-check: $*" >&2
    exit 2
}

fuzz_seconds=600
fuzz_jobs=$(($(nproc) - 2))
((fuzz_jobs >= 1)) || fuzz_jobs=1
first_level=1
last_level=10
minutes=30
while (($#)); do
    case $1 in
    --fuzz-seconds)
        [[ ${2:-} =~ ^[0-9]+$ ]] || die "--fuzz-seconds takes a number of seconds (0: no fuzzing)"
        fuzz_seconds=$2
        shift 2
        ;;
    --fuzz-jobs)
        [[ ${2:-} =~ ^[1-9][0-9]*$ ]] || die "--fuzz-jobs takes a number from 1"
        fuzz_jobs=$2
        shift 2
        ;;
    --levels)
        [[ ${2:-} =~ ^([0-9]+)-([0-9]+)$ ]] || die "--levels takes a range like 1-10"
        first_level=${BASH_REMATCH[1]}
        last_level=${BASH_REMATCH[2]}
        ((1 <= first_level && first_level <= last_level && last_level <= 10)) ||
            die "--levels takes a range within 1-10"
        shift 2
        ;;
    -h | --help) usage ;;
    -*) usage ;;
    *)
        [[ $1 =~ ^[1-9][0-9]*$ ]] || die "MINUTES is a whole number of minutes from 1, not '$1'"
        minutes=$1
        shift
        ;;
    esac
done

scripts/install-deps.sh --test || die "the packages the check needs could not be installed"
export ALSOFT_DRIVERS=null # no sound card needed
export LP_NUM_THREADS=${LP_NUM_THREADS:-2}
work="$root/build/release-check/$(date +%Y%m%d-%H%M%S)"
mkdir -p "$work/fuzz"
echo "release check: soak $minutes min (levels $first_level-$last_level a game)," \
    "fuzzing $fuzz_seconds s a target, $fuzz_jobs at a time; logs in $work"

# --- Builds: the sanitizer build of the game, and the fuzz targets (clang).
echo "=== building the sanitizer build (build/asan)"
{
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOXA_SANITIZE=ON \
        -DOXA_WERROR=ON &&
        cmake --build build/asan -j "$(nproc)" --target oxa oxa_data oxa-close-window
} >"$work/build-asan.log" 2>&1 || {
    tail -30 "$work/build-asan.log"
    die "the sanitizer build failed (see $work/build-asan.log)"
}
targets=()
if ((fuzz_seconds > 0)); then
    echo "=== building the fuzz targets (build/fuzz)"
    {
        cmake -S . -B build/fuzz -G Ninja -DOXA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ &&
            cmake --build build/fuzz -j "$(nproc)"
    } >"$work/build-fuzz.log" 2>&1 || {
        tail -30 "$work/build-fuzz.log"
        die "the fuzz build failed (see $work/build-fuzz.log)"
    }
    for target in build/fuzz/tests/fuzz/fuzz_*; do
        [[ -x $target && -f $target ]] && targets+=("$target")
    done
    ((${#targets[@]})) || die "the fuzz build made no targets"
fi

# --- Fuzzing, in the background: J targets at a time, each from a copy of its corpus.
# fuzz_one TARGET: writes fuzz/NAME.log and fuzz/NAME.result ("STATUS EXECUTIONS").
fuzz_one() {
    local target=$1 name corpus
    name=$(basename "$target")
    corpus="$root/tests/fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work/fuzz/$name/corpus" "$work/fuzz/$name/findings"
    [[ -d $corpus ]] && cp -r "$corpus"/. "$work/fuzz/$name/corpus"/
    "$target" -max_total_time="$fuzz_seconds" -timeout=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/fuzz/$name/findings/" \
        "$work/fuzz/$name/corpus" >"$work/fuzz/$name.log" 2>&1 &
    echo $! >"$work/fuzz/$name.pid"
    wait $!
    local status=$?
    local executions
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/fuzz/$name.log" | tail -1)
    echo "$status ${executions:-?}" >"$work/fuzz/$name.result"
}
run_fuzzers() {
    local target running=0
    for target in "${targets[@]}"; do
        if ((running >= fuzz_jobs)); then
            wait -n
            running=$((running - 1))
        fi
        fuzz_one "$target" &
        running=$((running + 1))
    done
    wait
}
fuzz_pid=""
if ((${#targets[@]})); then
    echo "=== fuzzing ${#targets[@]} targets, $fuzz_seconds s each"
    run_fuzzers &
    fuzz_pid=$!
fi

# --- The soak.
server_pid=""
game_pid=""
cleanup() {
    [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null
    if [[ -n $fuzz_pid ]]; then
        kill -TERM "$fuzz_pid" 2>/dev/null
        local pid
        for pid in $(cat "$work"/fuzz/*.pid 2>/dev/null); do kill -TERM "$pid" 2>/dev/null; done
    fi
    [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null
}
trap cleanup EXIT
trap 'echo "release-check: interrupted" >&2; exit 130' INT TERM

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 640x480x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server_pid=$!
read -r -t 20 display <&"$fd" || die "Xvfb did not start (see $work/xvfb.log)"
export DISPLAY=":$display"

rm -rf "$work/data"
cp -r build/asan/data "$work/data" # a tree of its own: the progress files are its own
dump="$work/soak.dump"
: >"$dump"
# Freed memory is held back a while to catch late uses: in a quarantine of 16 MB, as the
# default of 256 MB would look like growth for the first games. Nothing is handed back to
# the system, so the resident memory is the highest the game has needed so far: it rises
# after the first whole game only when the game keeps more than it did then. The leak
# checker leaves Mesa's dynamic thread-local memory alone, as in scripts/test.sh.
ASAN_OPTIONS=detect_leaks=1:intercept_tls_get_addr=0:halt_on_error=1:quarantine_size_mb=16:allocator_release_to_os_interval_ms=-1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build/asan/oxa --data "$work/data" --no-intro --nosound --window-size 320x240 \
    --fixed-step 33 --autopilot --difficulty 1 --menu-levels "$first_level-$last_level" \
    --games 100000 --dump "$dump" >"$work/soak.out" 2>"$work/soak.err" &
game_pid=$!
echo "=== soak: the game (pid $game_pid) plays whole games for $minutes min"

# The dump's games: "complete won" for the games that ended (their lines as expected), then
# a line per finding. A game is levels A..B won in order, then level B+1's clock run out
# (none after level 10), at difficulty 1, 2, 3, 1, ... in turn, each total its own points.
check_dump() {
    awk -v first="$first_level" -v last="$last_level" '
    function expect_new_game() { game++; level = first; sum = 0; difficulty = (game - 1) % 3 + 1 }
    BEGIN { expect_new_game() }
    {
        split($11, points, "+")
        sum += points[1] + points[2]
        line = "game " game " (difficulty " difficulty "), line " NR ": " $0
        if ($1 != "level" || $2 + 0 != level || $4 + 0 != difficulty)
            { print "unexpected stage: " line; bad++ }
        ending = level > last
        if (ending && $5 != "time-up") { print "expected the clock to run out: " line; bad++ }
        if (!ending && $5 != "won") { print "the autopilot did not win: " line; bad++ }
        if ($13 + 0 != sum) { print "total " $13 " but the game earned " sum ": " line; bad++ }
        if ($5 == "won") won++
        if ($5 == "won" && level < 10) { level++; next }
        complete++
        expect_new_game()
    }
    END { print "complete " complete + 0 " " won + 0 }' "$dump"
}
complete_games() { check_dump | sed -n 's/^complete \([0-9]*\) .*/\1/p'; }

samples="$work/memory.samples" # seconds, resident kB, whole games so far
: >"$samples"
start=$(date +%s)
deadline=$((start + minutes * 60))
died=0
while :; do
    now=$(date +%s)
    if ! kill -0 "$game_pid" 2>/dev/null; then
        died=1
        break
    fi
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$game_pid/status" 2>/dev/null)
    [[ -n $rss ]] && echo "$((now - start)) $rss $(complete_games)" >>"$samples"
    ((now >= deadline)) && break
    sleep $((deadline - now < 10 ? deadline - now : 10))
done

# Time is up: the window is closed as a player would, and the game must end cleanly (the
# leak check runs at the exit and takes a while).
game_status=""
if ((!died)); then
    window=$(xdotool search --name '^OXA$' 2>/dev/null | head -1)
    if [[ -n $window ]]; then
        build/asan/tests/oxa-close-window "$window"
    else
        echo "release-check: no OXA window to close; ending the game with SIGTERM" >&2
        kill -TERM "$game_pid"
    fi
    for _ in $(seq 1 1200); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$game_pid" 2>/dev/null; then
        kill -KILL "$game_pid"
        game_status="hung at the exit"
    fi
fi
if [[ -z $game_status ]]; then
    wait "$game_pid"
    game_status=$?
fi
game_pid=""

# --- Fuzzing ends in its own time.
if [[ -n $fuzz_pid ]]; then
    echo "=== waiting for the fuzz targets"
    wait "$fuzz_pid"
    fuzz_pid=""
fi

# --- What was found.
findings=()
echo
printf '%-26s %14s  %s\n' "fuzz target" "executions" "result"
for target in "${targets[@]}"; do
    name=$(basename "$target")
    read -r status executions <"$work/fuzz/$name.result" 2>/dev/null || status="no result" executions="?"
    if [[ $status == 0 ]] && ! ls "$work/fuzz/$name/findings"/* >/dev/null 2>&1; then
        result="no finding"
    else
        result="FINDING (status $status; $work/fuzz/$name.log)"
        findings+=("$name")
    fi
    printf '%-26s %14s  %s\n' "$name" "$executions" "$result"
done
((${#targets[@]})) || echo "(fuzzing left out: --fuzz-seconds 0)"

read -r complete levels_won < <(check_dump | sed -n 's/^complete //p')
problems=$(check_dump | grep -v '^complete ')
# The last game was cut short by the window's close: only its lines so far are checked, so a
# "did not win" or "unexpected" there is still a finding, but its missing end is not.
mb() { awk -v k="$1" 'BEGIN { printf "%.1f MB", k / 1024 }'; }
first_rss=$(awk 'NR == 1 { print $2 }' "$samples")
last_rss=$(awk 'END { print $2 }' "$samples")
# The memory a game keeps: the median of the samples taken while it was played (a level
# starting shows a short peak that a sample may or may not catch). The first whole game at
# each difficulty brings memory that rightly stays (the dragonflies and icons stay loaded
# once loaded; the stages of each difficulty differ): the baseline is the highest of the first
# three games, and the growth is how far a later game's memory goes above it.
per_game=$(awk '{ g = $3 + 1; n[g]++; v[g, n[g]] = $2; if (g > games) games = g }
    END {
        for (g = 1; g < games; ++g) {  # the last game was cut short by the close
            m = n[g]
            for (i = 1; i <= m; ++i) for (j = i + 1; j <= m; ++j)
                if (v[g, j] < v[g, i]) { t = v[g, i]; v[g, i] = v[g, j]; v[g, j] = t }
            printf "%d ", (m % 2) ? v[g, (m + 1) / 2] : (v[g, m / 2] + v[g, m / 2 + 1]) / 2
        }
    }' "$samples")
read -r -a game_memory <<<"$per_game"
baseline="" growth=""
if ((${#game_memory[@]} >= 4)); then
    baseline=$(printf '%s\n' "${game_memory[@]:0:3}" | sort -n | tail -1)
    growth=$(printf '%s\n' "${game_memory[@]:3}" | sort -n | tail -1)
    growth=$((growth > baseline ? growth - baseline : 0))
fi
memory_line=""
for kb in "${game_memory[@]}"; do memory_line+="$(awk -v k="$kb" 'BEGIN { printf "%.1f", k / 1024 }') "; done

echo
echo "soak: $minutes min under AddressSanitizer + UndefinedBehaviorSanitizer, levels $first_level-$last_level a game"
printf '  %-34s %s\n' "whole games" "${complete:-0}" "levels won" "${levels_won:-0}" \
    "memory at the first sample" "$([[ -n $first_rss ]] && mb "$first_rss")" \
    "memory at the last sample" "$([[ -n $last_rss ]] && mb "$last_rss")" \
    "memory of each whole game (MB)" "${memory_line:-none}" \
    "growth after the first three games" "$([[ -n $baseline ]] && echo "+$(mb "$growth") over $(mb "$baseline")" || echo "not judged: fewer than four whole games")" \
    "samples" "$(wc -l <"$samples") (every 10 s, $work/memory.samples)" \
    "exit status" "$game_status"

soak_findings=()
((died)) && soak_findings+=("the game ended by itself before the time was up (status $game_status)")
[[ $game_status == 0 ]] || soak_findings+=("the game's exit status was $game_status, not 0")
if grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:|SUMMARY: (Address|Leak|UndefinedBehavior)Sanitizer' "$work/soak.err"; then
    soak_findings+=("a sanitizer reported (see $work/soak.err)")
fi
((${complete:-0} >= 1)) || soak_findings+=("not one whole game within $minutes min: run longer or with fewer --levels")
if [[ -z $baseline ]]; then
    soak_findings+=("too short to judge the memory: ${#game_memory[@]} whole games, at least four needed (one at each difficulty, then more): run longer or with fewer --levels")
elif ((growth >= 5 * 1024)); then
    soak_findings+=("the resident memory grew by $(mb "$growth") after the first games")
fi
[[ -n $problems ]] && soak_findings+=("stage ends not as expected:"$'\n'"$problems")
others=$(grep -vE '^\s*$' "$work/soak.err" | grep -v '^oxa: ' | head -5)
for finding in "${soak_findings[@]}"; do
    echo "  FINDING: $finding"
done
((${#soak_findings[@]})) || echo "  no finding"
[[ -s $work/soak.err ]] && echo "  the game's messages: $work/soak.err"
[[ -n $others ]] && ((${#soak_findings[@]})) && echo "$others" | sed 's/^/    /'

echo
if ((${#findings[@]} + ${#soak_findings[@]})); then
    echo "release check: FOUND SOMETHING (${#findings[@]} fuzz targets, ${#soak_findings[@]} in the soak)"
    exit 1
fi
echo "release check: nothing found"
