#!/usr/bin/env bash
# The same frames of every level drawn by two builds, compared with oxa-picture-diff: the
# check that a change for speed left the picture as it was.
#   bench/pictures.sh BEFORE_BUILD AFTER_BUILD OUT_DIR [FRAME...]   (default: frames 60 and 400)
# Each build plays with its own data tree, by the autopilot at a fixed step, at 800 x 600
# (SIZE=WxH for another). OUT_DIR keeps before-L-F.png, after-L-F.png and side-L-F.png
# (before | after | changed pixels in red). Exits with 1 when a frame differs by more than
# a child would notice.
set -uo pipefail
before=${1:?usage: bench/pictures.sh BEFORE_BUILD AFTER_BUILD OUT_DIR [FRAME...]}
after=${2:?}
out=${3:?}
shift 3
frames=("$@")
[ ${#frames[@]} -gt 0 ] || frames=(60 400)
mkdir -p "$out"
export ALSOFT_DRIVERS=null
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$out/data"' EXIT
read -r -t 20 number <&"$fd"
export DISPLAY=":$number"
status=0
for level in 1 2 3 4 5 6 7 8 9 10; do
    for frame in "${frames[@]}"; do
        for side in before after; do
            build=$before
            [ "$side" = after ] && build=$after
            rm -rf "$out/data"
            cp -r "$build/data" "$out/data"
            "$build/oxa" --data "$out/data" --level "$level" --autopilot --fixed-step 16 \
                --window-size "${SIZE:-800x600}" --nosound --screenshot "$out/$side-$level-$frame.png" \
                --frames "$frame" >/dev/null 2>&1
        done
        printf 'level %2d frame %4d: ' "$level" "$frame"
        "$after/oxa-picture-diff" "$out/before-$level-$frame.png" "$out/after-$level-$frame.png" \
            "$out/side-$level-$frame.png" || status=1
    done
done
exit $status
