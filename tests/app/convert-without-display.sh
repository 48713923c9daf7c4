#!/bin/sh
# verigraf --convert with no display and no Qt platform chosen: converts, and fails
# with a message and a non-zero code on a file it cannot read.
set -u
verigraf=$1
data=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

"$verigraf" --convert "$data/mixed-8bit-rle.bmp" "$out/sketch.png" || { echo "png failed"; exit 1; }
"$verigraf" --convert "$data/mixed-8bit-rle.bmp" "$out/sketch.ilj" || { echo "ilj failed"; exit 1; }
"$verigraf" --convert "$out/sketch.ilj" "$out/sketch.bmp" || { echo "bmp failed"; exit 1; }
head -c 8 "$out/sketch.png" | od -An -c | grep -q 'P   N   G' || { echo "not a PNG"; exit 1; }

if "$verigraf" --convert "$data/sixteen.ppm" "$out/x.png" 2>"$out/err"; then
    echo "an unreadable file was converted"
    exit 1
fi
[ -s "$out/err" ] || { echo "no message for an unreadable file"; exit 1; }
[ ! -e "$out/x.png" ] || { echo "output written for an unreadable file"; exit 1; }
echo "conversion without a display works"
