#!/usr/bin/env bash
# Graphics under Wine: figures drawn by a program, read back from a screenshot
# of the console window and through the Point function (in the transcript).
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/gui-tests/graphics"
RUNTIME="${TESS_RUNTIME:-$WIN_DIR/runtime.exe}"
mkdir -p "$WORK"

"$BIN_DIR/tessc" build "$ROOT/tests/gui/graphics/figures.bas" -o "$WORK/figures.exe" --runtime "$RUNTIME"
rm -f "$WORK/figures.txt"
TESSALY_TRANSCRIPT="$WORK/figures.txt" tess_drive 60 "$WORK/figures.log" \
  start "$(winepath -w "$WORK/figures.exe")" "" wait-window VudEvir 10000 sleep 3000 \
  capture VudEvir "$(winepath -w "$WORK/figures.bmp")" close VudEvir wait-exit 3000
shot="$WORK/figures.bmp"

# A line from (0,100) to (10,100) paints eleven pixels, both ends included.
[ "$(pixel "$shot" 0,100)" = "srgb(255,0,0)" ] && [ "$(pixel "$shot" 10,100)" = "srgb(255,0,0)" ] &&
  [ "$(pixel "$shot" 11,100)" = "srgb(0,0,0)" ]
check "a red line covers its eleven pixels and no more" $? "$(pixel "$shot" 11,100)"

# bf fills the inside; b draws only the outline.
[ "$(pixel "$shot" 30,130)" = "srgb(0,255,0)" ] && [ "$(pixel "$shot" 50,130)" = "srgb(0,0,255)" ] &&
  [ "$(pixel "$shot" 60,130)" = "srgb(0,0,0)" ]
check "a filled box is filled, an outline box is empty inside" $? "$(pixel "$shot" 60,130)"

[ "$(pixel "$shot" 150,120)" = "srgb(255,255,0)" ] && [ "$(pixel "$shot" 120,150)" = "srgb(255,255,0)" ] &&
  [ "$(pixel "$shot" 150,150)" = "srgb(0,0,0)" ]
check "a circle of radius 30 passes through its top and left points" $? "$(pixel "$shot" 150,120)"

# Paint fills the inside of the white box with magenta and leaves the border.
[ "$(pixel "$shot" 220,140)" = "srgb(255,0,255)" ] && [ "$(pixel "$shot" 200,140)" = "srgb(255,255,255)" ] &&
  [ "$(pixel "$shot" 245,140)" = "srgb(0,0,0)" ]
check "paint fills exactly the inside of a closed figure" $? "$(pixel "$shot" 220,140) $(pixel "$shot" 245,140)"

# Point reads colour numbers back; RGB gives negative numbers.
grep -q '^ 2  5  3  0 -255' "$WORK/figures.txt" 2>/dev/null
check "Point reads back 2, 5, 3 and 0; RGB(255,0,0) is -255" $? "$(cat "$WORK/figures.txt" 2>/dev/null)"

# Ellipses drawn again from the pixels GDI drew for their size the first time
# must be GDI's own: the same program with every ellipse left to GDI
# (TESS_NO_STAMPS) reads back the same pixels.
"$BIN_DIR/tessc" build "$ROOT/tests/gui/graphics/ellipses.bas" -o "$WORK/ellipses.exe" --runtime "$RUNTIME"
for way in stamped gdi; do
  rm -f "$WORK/ellipses-$way.txt"
  if [ "$way" = gdi ]; then export TESS_NO_STAMPS=1; else unset TESS_NO_STAMPS; fi
  TESSALY_TRANSCRIPT="$WORK/ellipses-$way.txt" tess_drive 120 "$WORK/ellipses-$way.log" \
    start "$(winepath -w "$WORK/ellipses.exe")" "" run-to-end 100000
done
unset TESS_NO_STAMPS
stamped="$(cat "$WORK/ellipses-stamped.txt" 2>/dev/null)"
gdi="$(cat "$WORK/ellipses-gdi.txt" 2>/dev/null)"
drawn="$(awk '/pixels/ { print $2 }' <<<"$gdi")"
[ -n "$gdi" ] && [ "$stamped" = "$gdi" ] && above "${drawn:-0}" 20000
check "ellipses drawn again are GDI's pixels, across the edges too" $? "stamped: $stamped / gdi: $gdi"

finish
