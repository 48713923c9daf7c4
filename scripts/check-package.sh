#!/bin/sh
# Checks the Debian package cpack built in the build folder: the files a user needs,
# the dependencies a fresh machine must pull in, and that apt would install it here.
set -eu
build=${1:-build}
deb=$(ls "$build"/verigraf_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package in $build: run make package"; exit 1; }
fail() { echo "$deb: $*"; exit 1; }

echo "== $deb"
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends
echo "== files"
dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' | tee "$build/package-files.txt"

for f in ./usr/bin/verigraf ./usr/lib/verigraf/verigraf ./usr/lib/verigraf/Fonts/ZYQVerigraf.ttf \
         "./usr/lib/verigraf/Fonts/ZYQ(gdt).ttf" ./usr/lib/verigraf/StdForms/konstra4.bmp \
         ./usr/lib/verigraf/StdForms/form8a.ilj ./usr/lib/verigraf/Verigraf_Help.html \
         ./usr/lib/verigraf/shared-installation ./usr/lib/verigraf/Instrument/Сверло.ins \
         ./usr/share/applications/verigraf.desktop \
         ./usr/share/mime/packages/verigraf.xml ./usr/share/icons/hicolor/48x48/apps/verigraf.png; do
    grep -qF "$f" "$build/package-files.txt" || fail "missing $f"
done
grep -q '^./usr/bin/verigraf -> ../lib/verigraf/verigraf$' "$build/package-files.txt" || fail "bin/verigraf is not the link"

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libfreetype6 libfontconfig1 zlib1g \
         qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core; do
    echo "$depends" | grep -q "$p" || fail "does not depend on $p"
done

echo "== apt would install it so"
case $deb in /*) ;; *) deb="./$deb" ;; esac
apt-get install --simulate --no-install-recommends "$deb" 2>&1 | tail -n 3
echo "the package is complete"
