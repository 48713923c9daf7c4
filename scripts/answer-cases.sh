#!/bin/sh
# Answers drawing cases again on the reference implementation: drops the expected pixels
# of every case in FILE and writes the cases with the pixels the reference draws now.
# Text cases take their fonts from FONTS_DIR (by default the build's bin/Fonts), so after
# a change of the fonts the text cases are answered from the new font files:
#
#   scripts/answer-cases.sh tests/data/gdi-cases-text.txt > new.txt && mv new.txt tests/data/gdi-cases-text.txt
#
# The reference runner is ../shared/tools/gdi-oracle/run-oracle beside the checkout, or
# the one ORACLE names.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 1 ] || { echo "usage: $0 CASES.txt > ANSWERED.txt" >&2; exit 2; }
oracle=${ORACLE:-$here/../shared/tools/gdi-oracle/run-oracle}
[ -x "$oracle" ] || { echo "no reference runner at $oracle (set ORACLE)" >&2; exit 2; }
FONTS_DIR=${FONTS_DIR:-$here/build/bin/Fonts}
export FONTS_DIR
# The reference takes the pixels where a case says `draw`.
tr -d '\r' <"$1" | awk '/^expect$/ { skip = 1; print "draw"; next }
                      /^end$/ { if (skip) { skip = 0; next } }
                      !skip { print }' | "$oracle" | tr -d '\r'
