#!/usr/bin/env bash
# Builds OXA in Release (with its generated data tree) and starts it. Options are passed
# on to the game: scripts/play.sh --windowed
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/play -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXA_TESTS=OFF >/dev/null
cmake --build build/play --target oxa oxa_data
exec build/play/oxa "$@"
