#!/usr/bin/env bash
# The console window as a person uses it, under Wine: typing answers (with
# Backspace and a wrong count), function keys and clicks reaching handlers,
# painted colours and transparent cells, closing while an input waits.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/gui-tests/console"
RUNTIME="${TESS_RUNTIME:-$WIN_DIR/runtime.exe}"
mkdir -p "$WORK"

# run NAME DRIVER-COMMANDS...: builds tests/gui/console/NAME.bas and drives it;
# WORK/NAME.log holds the driver's lines, WORK/NAME.txt the transcript.
run() {
  local name="$1"; shift
  "$BIN_DIR/tessc" build "$ROOT/tests/gui/console/$name.bas" -o "$WORK/$name.exe" --runtime "$RUNTIME" || return
  rm -f "$WORK/$name.txt" "$WORK/$name.bmp"
  TESSALY_TRANSCRIPT="$WORK/$name.txt" tess_drive 60 "$WORK/$name.log" start "$(winepath -w "$WORK/$name.exe")" "" "$@"
}

has_line() { LC_ALL=C grep -qxF "$2" "$WORK/$1.log"; }  # name, exact driver line

# Typing: "5" for two numbers (the warning, a fresh prompt), then "1,2"; line
# input with Backspace over a letter and over a double-byte character.
run typing wait-window VudEvir 10000 sleep 300 type '\x08\x085\r' wait-box 3000 press 1 sleep 300 \
  type '1,2\r' sleep 300 type 'ab\x08\x82\xa0\x82\xa0\x08z' sleep 300 \
  capture VudEvir "$(winepath -w "$WORK/typing.bmp")" type '\r' wait-exit 5000
expected="$(cp932 $'Two ? 5\nTwo ? 1,2\nsum  3\nSay ? abああz\n[ aあz ]\n')"
[ "$(cat "$WORK/typing.txt" 2>/dev/null)" = "$expected" ]
check "typed values reach the variables, echoed; Backspace removes a double-byte character whole" $? \
  "$(cat "$WORK/typing.txt" 2>/dev/null)"
LC_ALL=C grep -qxF "box Warning|$(cp932 '不正な入力です')" "$WORK/typing.log" && grep -q '^exit 0' "$WORK/typing.log"
check "a wrong number of values shows the warning box, then the program goes on" $? "$(cat "$WORK/typing.log")"
# The fourth row holds "Say ? a", the double-byte character and z (80 pixels of
# 8-pixel cells): z follows the character without a gap and the cells of the
# erased characters after it are black again (past the caret, 9 pixels wide).
[ -f "$WORK/typing.bmp" ] && above "$(share "$WORK/typing.bmp" 80x16+0+48 white)" 0.05 &&
  above "$(share "$WORK/typing.bmp" 24x16+90+48 black)" 0.99
check "the edited line is repainted without the erased characters" $? "$(cat "$WORK/typing.log")"

# Events: F1 runs its handler (which stops the key trap), F2 has no handler, a
# left click runs the click handler with its position.
run events wait-window VudEvir 10000 sleep 500 key 0x70 sleep 300 key 0x71 sleep 300 key 0x70 sleep 300 \
  mouse 0x200 3 4 sleep 200 mouse 0x201 30 40 wait-exit 5000
[ "$(cat "$WORK/events.txt" 2>/dev/null)" = "$(printf 'F1\nclick  30  40  2\nF1\nend')" ]
check "F1 and a click reach their handlers; a key pressed while stopped runs at key on" $? \
  "$(cat "$WORK/events.txt" "$WORK/events.log" 2>/dev/null)"

# Colours: white on green stays opaque, yellow on a transparent background shows
# the red box between its letters, and cells padded by the text position show it too.
run colours wait-window VudEvir 10000 sleep 3000 capture VudEvir "$(winepath -w "$WORK/colours.bmp")" \
  close VudEvir wait-exit 3000
shot="$WORK/colours.bmp"
[ -f "$shot" ] && above "$(share "$shot" 40x16+0+0 'rgb(0,255,0)')" 0.4 &&
  above "$(share "$shot" 40x16+0+16 'rgb(255,0,0)')" 0.4 && above "$(share "$shot" 40x16+0+16 'rgb(255,255,0)')" 0.02 &&
  [ "$(share "$shot" 40x16+0+16 'rgb(0,255,0)')" = 0 ]
check "opaque and transparent text backgrounds over graphics" $? \
  "green $(share "$shot" 40x16+0+0 'rgb(0,255,0)') red $(share "$shot" 40x16+0+16 'rgb(255,0,0)')"
above "$(share "$shot" 12x16+58+0 'rgb(255,0,0)')" 0.9
check "cells padded by the text position show the graphics beneath" $? "red $(share "$shot" 12x16+58+0 'rgb(255,0,0)')"

# Closing the console while an input waits ends the process within 2 s, for the
# input statement (which leaves the lock) and line input (which keeps it).
closing_ends_wait() {  # program name, what waits
  run "$1" wait-window VudEvir 10000 sleep 500 close VudEvir wait-exit 2000
  local ms
  ms="$(sed -n 's/^exit [0-9]* after \([0-9]*\)ms$/\1/p' "$WORK/$1.log")"
  [ -n "$ms" ] && [ "$ms" -lt 2000 ] && ! grep -q "not reached" "$WORK/$1.txt" 2>/dev/null
  check "closing the console while $2 waits ends the process within 2 s (${ms:-?} ms)" $? "$(cat "$WORK/$1.log")"
}
closing_ends_wait waiting "an input"
closing_ends_wait linewait "a line input"

# The caret (9 x 6 pixels, its top 7 pixels above the line's bottom) follows the
# cursor: after "Name ? " (7 cells of 8 pixels), after two typed letters, after
# Backspace; it is gone once Enter ends the input.
# A paint hides the caret for its length, so each reading waits for it first.
run caret wait-window VudEvir 10000 wait-caret VudEvir 5000 caret VudEvir type 'xy' sleep 300 wait-caret VudEvir 2000 \
  caret VudEvir type '\x08' sleep 300 wait-caret VudEvir 2000 caret VudEvir type '\r' sleep 300 caret VudEvir wait-exit 5000
[ "$(grep '^caret ' "$WORK/caret.log" | tr '\n' '|')" = "caret 56 9 9 6|caret 72 9 9 6|caret 64 9 9 6|caret none|" ] &&
  [ "$(cat "$WORK/caret.txt" 2>/dev/null)" = "$(printf 'Name ? xy\n[ x ]')" ]
check "the caret sits at the cursor after the prompt, typing and Backspace, and goes after Enter" $? \
  "$(cat "$WORK/caret.log" "$WORK/caret.txt" 2>/dev/null)"

# Eighty lines in a window of fewer rows: whole lines scroll away until the text
# fits, the last two (blue) lines end on the row above the cursor's empty row,
# and every row above them is filled with red text.
run scrolling wait-window VudEvir 10000 sleep 2000 capture VudEvir "$(winepath -w "$WORK/scrolling.bmp")" \
  close VudEvir wait-exit 3000
shot="$WORK/scrolling.bmp"
scrolled() {
  local width height rows r
  width="$(identify -format '%w' "$shot")"; height="$(identify -format '%h' "$shot")"
  rows=$((height / 16))
  [ "$rows" -gt 4 ] || return 1
  for ((r = 0; r < rows - 3; r++)); do above "$(share "$shot" 64x16+0+$((r * 16)) 'rgb(255,0,0)')" 0.02 || return 1; done
  above "$(share "$shot" 64x16+0+$(((rows - 3) * 16)) 'rgb(0,0,255)')" 0.02 &&
    above "$(share "$shot" 64x16+0+$(((rows - 2) * 16)) 'rgb(0,0,255)')" 0.02 &&
    above "$(share "$shot" "${width}x16+0+$(((rows - 1) * 16))" black)" 0.99
}
[ -f "$shot" ] && scrolled
check "output past the window's bottom scrolls whole lines away and ends above the cursor row" $? \
  "$(identify "$shot" 2>&1)"

# A "PROMPT" window takes a line input typed into it: Backspace right after the
# prompt does nothing, and removes a letter and a double-byte character whole
# (their cells painted black again); its close box leaves it open.
run prompt wait-window PROMPT 10000 wait-caret PROMPT 5000 caret PROMPT type-to PROMPT '\x08ab\x08\x82\xa0\x08' \
  sleep 500 capture PROMPT "$(winepath -w "$WORK/prompt.bmp")" type-to PROMPT 'cd\r' sleep 300 close PROMPT sleep 300 \
  visible PROMPT wait-exit 5000
[ "$(cat "$WORK/prompt.txt" 2>/dev/null)" = "$(printf 'Say ? ab\x82\xa0cd\ngot  acd\n[ acd ]  3')" ] &&
  has_line prompt "caret 48 9 9 6" && has_line prompt "visible PROMPT 1" && grep -q '^exit 0' "$WORK/prompt.log"
check "a PROMPT window takes typed input with Backspace; its close box leaves it open" $? \
  "$(cat "$WORK/prompt.log" "$WORK/prompt.txt" 2>/dev/null)"
[ -f "$WORK/prompt.bmp" ] && above "$(share "$WORK/prompt.bmp" 56x16+0+0 white)" 0.05 &&
  above "$(share "$WORK/prompt.bmp" 40x16+66+0 black)" 0.99
check "the PROMPT window repaints the edited line without the erased characters" $? "$(cat "$WORK/prompt.log")"

finish
