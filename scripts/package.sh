#!/usr/bin/env bash
# Builds the Debian package oxa_VERSION_ARCH.deb in build/package/ with CPack (its
# dependencies computed from the binaries by dpkg-shlibdeps), then checks it: the file
# list, the control fields, desktop-file-validate and appstreamcli on the files it holds,
# and lintian: an error or a warning fails the build (README lists the info tags left and
# why).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXA_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build "$build" --target oxa oxa-check oxa-data
(cd "$build" && cpack -G DEB >cpack.log) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/oxa_*.deb)
echo "built $deb"

check="$build/check"
rm -rf "$check"
mkdir -p "$check"
dpkg-deb -I "$deb" | tee "$check/info.txt"
dpkg-deb --contents "$deb" >"$check/contents.txt"
for file in ./usr/games/oxa ./usr/games/oxa-check ./usr/share/oxa/data/STA/eloper1.mtt \
    ./usr/share/applications/io.github.oxa_game.oxa.desktop \
    ./usr/share/metainfo/io.github.oxa_game.oxa.metainfo.xml ./usr/share/man/man6/oxa.6.gz \
    ./usr/share/man/man6/oxa-check.6.gz ./usr/share/doc/oxa/copyright \
    ./usr/share/doc/oxa/changelog.gz ./usr/share/oxa/data/LANG/CS/MEN/BMP_0/menuonex.srm \
    ./usr/share/icons/hicolor/256x256/apps/oxa.png; do
    grep -q " $file\$" "$check/contents.txt" || { echo "missing from the package: $file"; exit 1; }
done
grep -q '^ Depends: .*libglut' "$check/info.txt" || { echo "no computed dependencies"; exit 1; }
dpkg-deb -x "$deb" "$check/root"
desktop-file-validate "$check/root/usr/share/applications/"*.desktop
appstreamcli validate --no-net "$check/root/usr/share/metainfo/"*.xml
echo "lintian says:"
lintian --info --no-tag-display-limit --fail-on error,warning "$deb" | tee "$check/lintian.txt" ||
    { echo "lintian found errors or warnings"; exit 1; }
echo "ok: $deb"
