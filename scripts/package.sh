#!/usr/bin/env bash
# Builds the Debian packages in build/package/ with CPack: oxa_VERSION_ARCH.deb (the game,
# its dependencies computed from the binaries by dpkg-shlibdeps) and oxa-data_VERSION_all.deb
# (the data tree, the same on every architecture). The binaries are built with Debian's
# hardening flags (dpkg-buildflags) and stripped as dh_strip strips. Then it checks them:
# the file lists, the control fields, desktop-file-validate and appstreamcli on the files
# they hold, and lintian, where an error or a warning fails the build (README lists the
# info tags left and why). Install both with apt install ./build/package/oxa*.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/package
mkdir -p "$build"
# dh_strip's way: the symbols and the compiler's notes go.
cat >"$build/strip-for-debian" <<'STRIP'
#!/bin/sh
exec strip --remove-section=.comment --remove-section=.note "$@"
STRIP
chmod +x "$build/strip-for-debian"
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DOXA_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
    -DCMAKE_C_FLAGS="$(flags CFLAGS) $(flags CPPFLAGS)" \
    -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
    -DCMAKE_STRIP="$PWD/$build/strip-for-debian" >/dev/null
cmake --build "$build" --target oxa oxa-check oxa-data
rm -f "$build"/oxa*.deb
(cd "$build" && cpack -G DEB >cpack.log) || { cat "$build/cpack.log"; exit 1; }
game=$(ls "$build"/oxa_*.deb)
data=$(ls "$build"/oxa-data_*_all.deb)
echo "built $game $data"

check="$build/check"
rm -rf "$check"
mkdir -p "$check"
# contains DEB FILE...: every FILE is in DEB.
contains() {
    local deb=$1 file
    shift
    dpkg-deb --contents "$deb" >"$check/contents.txt"
    for file in "$@"; do
        grep -q " $file\$" "$check/contents.txt" || { echo "missing from $deb: $file"; exit 1; }
    done
}
dpkg-deb -I "$game" | tee "$check/info.txt"
contains "$game" ./usr/games/oxa ./usr/games/oxa-check \
    ./usr/share/applications/io.github.oxa_game.oxa.desktop \
    ./usr/share/metainfo/io.github.oxa_game.oxa.metainfo.xml ./usr/share/man/man6/oxa.6.gz \
    ./usr/share/man/man6/oxa-check.6.gz ./usr/share/doc/oxa/copyright \
    ./usr/share/doc/oxa/changelog.gz ./usr/share/icons/hicolor/256x256/apps/oxa.png
grep -q '^ Depends: .*libglut' "$check/info.txt" || { echo "no computed dependencies"; exit 1; }
grep -q '^ Depends: oxa-data (= ' "$check/info.txt" || { echo "oxa does not need oxa-data"; exit 1; }
dpkg-deb -I "$data" | tee "$check/data-info.txt"
grep -q '^ Architecture: all$' "$check/data-info.txt" || { echo "oxa-data is not for all"; exit 1; }
contains "$data" ./usr/share/oxa/data/STA/eloper1.mtt \
    ./usr/share/oxa/data/LANG/CS/MEN/BMP_0/menuonex.srm ./usr/share/doc/oxa-data/copyright \
    ./usr/share/doc/oxa-data/changelog.gz
dpkg-deb -x "$game" "$check/root"
desktop-file-validate "$check/root/usr/share/applications/"*.desktop
appstreamcli validate --no-net "$check/root/usr/share/metainfo/"*.xml
echo "lintian says:"
lintian --display-info --tag-display-limit 0 --fail-on error,warning "$game" "$data" |
    tee "$check/lintian.txt" || { echo "lintian found errors or warnings"; exit 1; }
echo "ok: $game $data"
