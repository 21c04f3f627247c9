#!/bin/sh
# Builds the Debian package in build/pakiet (Release, the two programs only), unpacks it with
# dpkg -x into a throwaway folder, checks what it holds and runs the unpacked `mirta --help`.
# Prints the package's path last.
set -e
cd "$(dirname "$0")/.."
export CCACHE_BASEDIR="$PWD"
export CCACHE_NOHASHDIR=1
BUILD=build/pakiet
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$BUILD" -j2 --target mirta mirta-okno mirta_man
rm -f "$BUILD"/mirta_*.deb
(cd "$BUILD" && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD"/mirta_*.deb)

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
dpkg-deb --info "$DEB" | grep -E '^ (Package|Version|Depends|Section):'
dpkg -x "$DEB" "$TMP"
for plik in usr/bin/mirta usr/bin/mirta-okno usr/share/applications/mirta.desktop \
    usr/share/icons/hicolor/scalable/apps/mirta.svg usr/share/man/man1/mirta.1.gz \
    usr/share/mirta/translations/qtbase_pl.qm; do
    [ -s "$TMP/$plik" ] || { echo "Brak w pakiecie: $plik" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$TMP/usr/share/applications/mirta.desktop"
fi
if command -v groff >/dev/null; then
    zcat "$TMP/usr/share/man/man1/mirta.1.gz" | groff -man -Tutf8 -ww -z
fi
"$TMP/usr/bin/mirta" --help | head -5
"$TMP/usr/bin/mirta" slownie 12,50
echo "$DEB"
