#!/usr/bin/env bash
# The benchmark: every level at 800 x 600 and 1024 x 768 under Xvfb, one fixed-step
# autopilot run each with sound (OpenAL Soft mixing on its null device) and one with
# --nosound, printed as one table. Beside them, in the same run, the bare GLUT program
# oxa-bench-baseline (one textured ground and 2,000 triangles) gives the yardstick: the column
# "x base" is its median frame time divided by the level's (2.0 = twice its frame rate).
#   bench/run.sh BUILD_DIR [FRAMES]
# Figures vary by a few per cent between runs on Xvfb; compare medians of several runs.
set -euo pipefail
build=${1:?usage: bench/run.sh BUILD_DIR [FRAMES]}
frames=${2:-600}
work=$(mktemp -d)
export ALSOFT_DRIVERS=null
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
read -r -t 20 number <&"$fd"
export DISPLAY=":$number"

# bench LEVEL SIZE [OPTION]: "fps median p99 worst start" of one run.
bench() {
    rm -rf "$work/data"
    cp -r "$build/data" "$work/data"
    # bench level 01 800x600: 600 frames, 251.3 frames/s, frame ms median 3.81 p99 6.20
    # worst 9.71, level start 350.2 ms
    "$build/oxa" --data "$work/data" --bench --level "$1" --window-size "$2" --fixed-step 16 \
        --bench-frames "$frames" ${3:-} | grep '^bench ' |
        sed -E 's/.* ([0-9.]+) frames\/s, frame ms median ([0-9.]+) p99 ([0-9.]+) worst ([0-9.]+), level start ([0-9.-]+) ms/\1 \2 \3 \4 \5/'
}

# baseline SIZE: "fps median p99" of the bare GLUT program.
baseline() {
    "$build/oxa-bench-baseline" --window-size "$1" --frames "$frames" |
        sed -E 's/.* ([0-9.]+) frames\/s, frame ms median ([0-9.]+) p99 ([0-9.]+) .*/\1 \2 \3/'
}

printf '%-6s %-9s %8s %10s %10s %10s %12s %14s %14s %7s\n' level size 'frames/s' 'median ms' 'p99 ms' \
    'worst ms' 'start ms' 'nosound fps' 'nosound median' 'x base'
for size in 800x600 1024x768; do
    read -r baseFps baseMedian baseP99 < <(baseline "$size")
    printf '%-6s %-9s %8s %10s %10s\n' base "$size" "$baseFps" "$baseMedian" "$baseP99"
    for level in 1 2 3 4 5 6 7 8 9 10; do
        read -r fps median p99 worst start < <(bench "$level" "$size")
        read -r quietFps quietMedian _ < <(bench "$level" "$size" --nosound)
        printf '%-6s %-9s %8s %10s %10s %10s %12s %14s %14s %7.2f\n' "$level" "$size" "$fps" "$median" \
            "$p99" "$worst" "$start" "$quietFps" "$quietMedian" "$(awk -v b="$baseMedian" -v m="$median" 'BEGIN { print b / m }')"
    done
done
