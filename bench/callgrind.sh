#!/usr/bin/env bash
# Instructions per frame under callgrind for a few levels at 800 x 600: exact run to run,
# so a change of a few per cent shows where frame rates drown in noise.
#   bench/callgrind.sh BUILD_DIR [FRAMES] [LEVEL...]     (default: 40 frames, levels 1 and 7)
# Only the frame function (drawing and the buffer swap, which rasterises with llvmpipe's
# threads off) is counted; loading the level is not. llvmpipe compiles a shader the first
# time it meets a state (with LLVM, a third of a short run): the last column leaves out what
# runs inside LLVM, the steady cost of a frame, to compare between commits.
set -euo pipefail
build=${1:?usage: bench/callgrind.sh BUILD_DIR [FRAMES] [LEVEL...]}
frames=${2:-40}
shift $(($# >= 2 ? 2 : $#))
levels=("$@")
[ ${#levels[@]} -gt 0 ] || levels=(1 7)
work=$(mktemp -d)
export ALSOFT_DRIVERS=null LP_NUM_THREADS=0 MESA_SHADER_CACHE_DISABLE=true
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; [ -n "${KEEP_CALLGRIND:-}" ] && cp "$work/callgrind.out" "$KEEP_CALLGRIND"; rm -rf "$work"' EXIT
read -r -t 20 number <&"$fd"
export DISPLAY=":$number"

printf '%-6s %-9s %8s %14s %18s\n' level size frames 'M instr/frame' 'M without LLVM'
for level in "${levels[@]}"; do
    rm -rf "$work/data" "$work"/callgrind.out
    cp -r "$build/data" "$work/data"
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
        --toggle-collect='display()' \
        "$build/oxa" --data "$work/data" --bench --level "$level" --window-size 800x600 \
        --fixed-step 16 --bench-frames "$frames" --nosound >"$work/out" 2>"$work/err" || {
        cat "$work/err" >&2
        exit 1
    }
    # Frames drawn: those measured plus the first, which starts the clock.
    drawn=$(($(grep -o '^bench level [0-9]* [0-9x]*: [0-9]*' "$work/out" | awk '{print $5}') + 1))
    total=$(grep '^summary:' "$work/callgrind.out" | awk '{print $2}')
    llvm=$(callgrind_annotate --threshold=100 "$work/callgrind.out" | grep 'libLLVM' |
        awk '{ gsub(",", "", $1); sum += $1 } END { print sum + 0 }')
    printf '%-6s %-9s %8s %14.1f %18.1f\n' "$level" 800x600 "$drawn" \
        "$(awk -v t="$total" -v d="$drawn" 'BEGIN { print t / d / 1000000 }')" \
        "$(awk -v t="$total" -v l="$llvm" -v d="$drawn" 'BEGIN { print (t - l) / d / 1000000 }')"
done
