#!/usr/bin/env bash
# Installs what OXA needs to build, play and test on Debian 12, and nothing that is
# already there. Run as root (or with sudo available).
#   install-deps.sh         what the game needs to build and run
#   install-deps.sh --test  also what the tests need (Xvfb, Xorg's dummy driver, xdotool...)
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    freeglut3-dev libglu1-mesa-dev libgl-dev libx11-dev libxrandr-dev libxfixes-dev
    libpng-dev libfreetype-dev libopenal-dev
    libavformat-dev libavcodec-dev libswscale-dev libswresample-dev libavutil-dev
    libgl1-mesa-dri fonts-dejavu-core fonts-comic-neue
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(
        libgtest-dev clang libclang-rt-14-dev
        libegl-dev libegl1-mesa-dev
        xvfb xauth xdotool x11-utils x11-xserver-utils x11-apps imagemagick
        xserver-xorg-core xserver-xorg-video-dummy sox x11-xkb-utils
        desktop-file-utils appstream lintian
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [[ $(id -u) -ne 0 ]]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
