#!/bin/sh
# make install into a temporary prefix, then the installed program as a user starts it:
# its folder layout, --help and --version, the menu entry, the icon and the sketch type,
# and a start offscreen that opens a shipped sheet form from a folder with a dot in its
# name under a file name with a space, keeping the user's folders in the data folder.
set -u
cmake=$1
build=$2
version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "$*"; exit 1; }

prefix="$tmp/prefix"
"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "install failed"; }

lib="$prefix/lib/verigraf"
for f in verigraf Fonts/ZYQVerigraf.ttf "Fonts/ZYQ(gdt).ttf" StdForms/konstra4.bmp StdForms/konstra4.map \
         StdForms/form8a.ilj Verigraf_Help.html shared-installation; do
    [ -f "$lib/$f" ] || fail "not installed: lib/verigraf/$f"
done
[ -x "$prefix/bin/verigraf" ] || fail "no launcher bin/verigraf"
for f in share/applications/verigraf.desktop share/mime/packages/verigraf.xml; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for side in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${side}x${side}/apps/verigraf.png"
    [ -f "$png" ] || fail "no icon of $side pixels"
    head -c 8 "$png" | od -An -c | grep -q 'P   N   G' || fail "icon of $side pixels is not a PNG"
    # The width in the PNG header, big-endian at byte 16.
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
    [ "$width" = "$side" ] || fail "icon of $side pixels is $width wide"
done
grep -q '^Exec=verigraf -open %f$' "$prefix/share/applications/verigraf.desktop" || fail "menu entry does not pass the file"
# As the desktop's tools read them: a file manager offers the program for both kinds.
update-desktop-database "$prefix/share/applications" || fail "update-desktop-database failed"
for type in application/x-verigraf-sketch image/bmp; do
    grep -q "^$type=.*verigraf.desktop;" "$prefix/share/applications/mimeinfo.cache" || fail "not offered for $type"
done
update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
grep -q '^[0-9]*:application/x-verigraf-sketch:\*\.ilj$' "$prefix/share/mime/globs2" || fail "no .ilj type"

"$prefix/bin/verigraf" --help >"$tmp/help" 2>&1 || fail "--help failed"
grep -q -- '-open' "$tmp/help" || fail "--help does not name -open"
[ "$("$prefix/bin/verigraf" --version)" = "Вериграф технолога $version" ] || fail "--version: $("$prefix/bin/verigraf" --version)"

# A shipped sheet form, copied where the old command line cut the path short.
work="$tmp/home/work.v2"
mkdir -p "$work"
cp "$lib/StdForms/3.1105-f7.bmp" "$work/part 1.bmp"
HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" QT_QPA_PLATFORM=offscreen VERIGRAF_EXIT_AFTER_START=1 \
    timeout 120 "$prefix/bin/verigraf" -open "$work/part 1.bmp" >"$tmp/out" 2>"$tmp/err"
code=$?
[ $code -eq 0 ] || { cat "$tmp/err"; fail "the installed program ended with $code"; }
grep -qx 'Вериграф технолога - part 1.bmp' "$tmp/out" || { cat "$tmp/out" "$tmp/err"; fail "the sketch was not opened"; }

for d in Blocks Эскизы Instrument Temp; do
    [ -d "$tmp/data/verigraf/$d" ] || fail "no $d in the user's data folder"
done
for d in Эскизы Temp; do
    [ ! -e "$lib/$d" ] || fail "$d was made in the installation folder"
done
# The starter library ships with the program and reaches the user's folders.
[ -f "$lib/Blocks/Шероховатость.blk" ] || fail "no starter blocks installed"
[ -f "$tmp/data/verigraf/Instrument/Сверло.ins" ] || fail "the starter instruments were not copied for the user"
echo "the installed program starts and opens the sketch"
