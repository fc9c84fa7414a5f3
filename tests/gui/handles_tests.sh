#!/usr/bin/env bash
# GDI handles under Wine: programs draw over 20,000 figures, texts and images,
# open and close 2,000 windows, and lose an image to a failing statement; each
# process's handle report (TESSALY_HANDLE_REPORT) must show as many handles held
# after the run as before it, and no pile-up while it ran. Wine keeps no count of
# a process's GDI objects, so the report's count is the owners' own tally; the
# sources are checked for handles that bypass the owners.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/gui-tests/handles"
RUNTIME="${TESS_RUNTIME:-$WIN_DIR/runtime.exe}"
mkdir -p "$WORK"
convert -size 8x8 xc:red "BMP3:$WORK/tile.bmp"

# run NAME: builds tests/gui/handles/NAME.bas and runs it to its end from WORK
# (an error box is answered OK); transcript NAME.txt, report NAME.report.
run() {
  local name="$1"
  "$BIN_DIR/tessc" build "$ROOT/tests/gui/handles/$name.bas" -o "$WORK/$name.exe" --runtime "$RUNTIME" ||
    printf 'cannot build %s\n' "$name"
  rm -f "$WORK/$name.txt" "$WORK/$name.report"
  (cd "$WORK" && TESSALY_TRANSCRIPT="$WORK/$name.txt" TESSALY_HANDLE_REPORT="$(winepath -w "$WORK/$name.report")" \
    tess_drive 600 "$WORK/$name.log" start "$(winepath -w "$WORK/$name.exe")" "" run-to-end 500000)
}
field() { sed -n "s/^$2: //p" "$WORK/$1.report" 2>/dev/null; }
story() { cat "$WORK/$1.log" "$WORK/$1.report" 2>/dev/null; tail -c 300 "$WORK/$1.txt" 2>/dev/null; }

# Held after as before; at most LIMIT at once (a handle kept per statement,
# window or image would reach thousands).
balanced() {  # name, limit
  local start end most
  start="$(field "$1" "handles at start")"; end="$(field "$1" "handles at end")"; most="$(field "$1" "handles at most")"
  [ -n "$start" ] && [ "$start" = "$end" ] && [ "$most" -le "$2" ] || return 1
  # Where the system counts GDI objects (Windows), its count comes back too.
  grep -q '^system GDI objects: not counted$' "$WORK/$1.report" ||
    [ "$(field "$1" "system GDI objects at start")" = "$(field "$1" "system GDI objects at end")" ]
}

run drawing
grep -qE 'drawn +20440' "$WORK/drawing.txt" 2>/dev/null && grep -qx 'exit 0' "$WORK/drawing.log" && balanced drawing 80
check "20,440 figures, texts and images: every handle given back, no more than 80 held at once" $? "$(story drawing)"

run windows
grep -qE 'windows +2000' "$WORK/windows.txt" 2>/dev/null && grep -qx 'exit 0' "$WORK/windows.log" && balanced windows 80
check "2,000 windows opened, drawn into and closed: every handle given back" $? "$(story windows)"

run lost_image
grep -q '^got' "$WORK/lost_image.txt" 2>/dev/null && ! grep -q 'not reached' "$WORK/lost_image.txt" &&
  grep -q 'runtime error' "$WORK/lost_image.txt" && balanced lost_image 80
check "an image made by a statement that then fails goes with the error" $? "$(story lost_image)"

# Every handle of the runtime has an owner: nothing is deleted or released by
# hand, and each call that makes or fetches one hands it to an owner at once.
owners='system/gdi_handles_win32'
sources=(startup interp console graphics windows files sound system builtins session)
by_hand="$(cd "$ROOT" && grep -rnE '\b(DeleteObject|DeleteDC|ReleaseDC|EndPaint)\(' "${sources[@]}" | grep -v "^$owners")"
unowned="$(cd "$ROOT" && grep -rnE '\b(Create(CompatibleDC|CompatibleBitmap|Pen|SolidBrush|FontIndirect[AW]?|DC[AW]?|DIBSection|Bitmap)|GetDC(Ex)?|BeginPaint|LoadImage[AW]?)\(' "${sources[@]}" |
  grep -v "^$owners" | grep -vE '\b(Bitmap|Pen|Brush|Font|AnyObject|MadeDC|WindowDC|PaintDC)\b|memory_dc_like')"
[ -z "$by_hand$unowned" ]
check "every GDI handle the runtime makes or fetches goes to an owner" $? "$by_hand$unowned"

finish "handles tests"
