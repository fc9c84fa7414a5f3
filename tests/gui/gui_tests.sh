#!/usr/bin/env bash
# Tests of runtime.exe as a person uses it, under Wine: what windows appear, what
# message boxes say, how fast closing ends the program. Expects the Wine world of
# scripts/env.sh to be running (display, wineserver).
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/gui-tests"
mkdir -p "$WORK"

# mkexe NAME [mkimage options] TEXT
mkexe() {
  local name="$1"; shift
  local text="${*: -1}"
  "$BIN_DIR/mkimage" --exe "$WIN_DIR/runtime.exe" "${@:1:$#-1}" "$WORK/$name.exe" "$text"
}

# drive NAME COMMANDS... : runs the UI driver against WORK/NAME.exe; output in WORK/NAME.log
drive() {
  local name="$1"; shift
  local exe; exe="$(winepath -w "$WORK/$name.exe")"
  tess_drive 60 "$WORK/$name.log" start "$exe" "" "$@"
}

has() { LC_ALL=C grep -qxF "$2" "$WORK/$1.log"; }
# The exit line's time, in ms ("exit 0 after 123ms").
exit_ms() { sed -n 's/^exit [0-9]* after \([0-9]*\)ms$/\1/p' "$WORK/$1.log"; }

ERROR_BOX="box $(cp932 'エラー|プログラム内でエラーが起きました')"
ENDLESS=' \{GOTO} ffffffff\n'   # jump back to the first line, for ever

# A statement code that is not in the table: the fixed error box, then the end.
mkexe unlisted ' \x10\x22 x\n'
drive unlisted wait-box 10000 press 1 wait-exit 5000
has unlisted "$ERROR_BOX" && has unlisted "exit 0 after $(exit_ms unlisted)ms" && [ -n "$(exit_ms unlisted)" ]
check "runtime error shows the fixed box and ends after OK" $? "$(cat "$WORK/unlisted.log")"

# Closing the console window while statements run ends the process within 2 s.
mkexe endless "$ENDLESS"
drive endless wait-window VudEvir 10000 wait-box 500 close VudEvir wait-exit 2000
ms="$(exit_ms endless)"
has endless "no-box" && [ -n "$ms" ] && [ "$ms" -lt 2000 ]
check "closing the console during an endless loop ends the process within 2 s (${ms:-?} ms)" $? "$(cat "$WORK/endless.log")"

# A start-hidden image never shows the console window.
mkexe hidden --hidden "$ENDLESS"
drive hidden wait-window VudEvir 10000 sleep 300 visible VudEvir sleep 300 visible VudEvir close VudEvir wait-exit 2000
has hidden "window VudEvir visible=0" && [ "$(grep -c '^visible VudEvir 0$' "$WORK/hidden.log")" = 2 ] && [ -n "$(exit_ms hidden)" ]
check "a start-hidden image never shows the console window" $? "$(cat "$WORK/hidden.log")"

# A shown image shows it.
mkexe shown "$ENDLESS"
drive shown wait-window VudEvir 10000 sleep 300 visible VudEvir close VudEvir wait-exit 2000
has shown "visible VudEvir 1"
check "a normal image shows the console window" $? "$(cat "$WORK/shown.log")"

# Broken images: a box that names the problem, then the process ends; nothing runs.
BROKEN="box Tessaly|$(cp932 'プログラムイメージが壊れています')"
mkexe long_trailer --length-trailer 999999999 ' \{PRINT} "x"\n'
drive long_trailer wait-box 10000 press 1 wait-exit 5000
LC_ALL=C grep -qF "$BROKEN" "$WORK/long_trailer.log" && grep -q "larger than the file" "$WORK/long_trailer.log" && [ -n "$(exit_ms long_trailer)" ]
check "an image length larger than the file is reported" $? "$(cat "$WORK/long_trailer.log")"

# Cut the text short: the payload length still matches, the text length does not.
mkexe short_text --text-length 5000 ' \{PRINT} "x"\n'
drive short_text wait-box 10000 press 1 wait-exit 5000
LC_ALL=C grep -qF "$BROKEN" "$WORK/short_text.log" && grep -q "runs past" "$WORK/short_text.log" && [ -n "$(exit_ms short_text)" ]
check "a field running past the payload is reported" $? "$(cat "$WORK/short_text.log")"

# Painting: text printed in the console shows as white pixels on black.
# (The jump names the line end at position 14, so the loop runs the jump alone and
# the text is printed once.)
mkexe painted ' \{PRINT} "\x81\xa1\x81\xa1\x81\xa1\x81\xa1"\n \{GOTO} e\n'
drive painted wait-window VudEvir 10000 sleep 500 capture VudEvir "$(winepath -w "$WORK/painted.bmp")" close VudEvir wait-exit 2000
white=0
[ -f "$WORK/painted.bmp" ] && white="$(convert "$WORK/painted.bmp" -crop 64x16+0+0 -format '%[fx:mean]' info: 2>/dev/null)"
awk -v m="$white" 'BEGIN { exit !(m > 0.2) }'
check "printed text is painted (mean brightness of the first cells: $white)" $? "$(cat "$WORK/painted.log")"

finish
