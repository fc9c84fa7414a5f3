#!/usr/bin/env bash
# User windows under Wine, used as a person would: a button, the menu bar and a
# pop-up menu, the close box, typed keys and clicks, scroll bars, message boxes,
# moving and showing; messages sent to list boxes, combo boxes and edit
# controls; menus taken apart; other threads running while one waits; figures
# in "NORMAL" and "PROMPT" windows read back from screenshots, also after the
# window was shrunk and minimised; drawing into a window that has gone; bitmaps
# loaded by relative names; the drawing example. Each program prints what it saw
# to its transcript, and the driver waits for those lines before it goes on.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/gui-tests/windows"
RUNTIME="${TESS_RUNTIME:-$WIN_DIR/runtime.exe}"
mkdir -p "$WORK"

build() {  # source, name
  "$BIN_DIR/tessc" build "$1" -o "$WORK/$2.exe" --runtime "$RUNTIME" ||
    printf 'cannot build %s\n' "$1"
}
win() { winepath -w "$1"; }

# drive NAME COMMANDS...: runs WORK/NAME.exe under the UI driver from the build
# directory (not the program's); transcript WORK/NAME.txt, driver lines WORK/NAME.log.
drive() {
  local name="$1"; shift
  rm -f "$WORK/$name.txt"
  (cd "$BUILD" && TESSALY_TRANSCRIPT="$WORK/$name.txt" tess_drive 90 "$WORK/$name.log" start "$(win "$WORK/$name.exe")" "" "$@")
}
logged() { LC_ALL=C grep -qxF "$2" "$WORK/$1.log" 2>/dev/null; }
said() { LC_ALL=C grep -qxF "$2" "$WORK/$1.txt" 2>/dev/null; }
story() { cat "$WORK/$1.log" "$WORK/$1.txt" 2>/dev/null; }
# Driver commands are gathered in cmds; the driver waits for the program to print TEXT.
cmds=()
then_do() { cmds+=("$@"); }
until_said() { cmds+=(wait-text "$(win "$WORK/$1.txt")" "$2" 5000); }
# Step N of a program that takes WM_COMMAND N as "do step N" and prints "step N".
step() { cmds+=(choose NORMAL "$2"); until_said "$1" "step $2"; }

# Colours anywhere in a region, or nowhere in it.
shows() { above "$(share "$1" "$2" "$3")" 0; }
lacks() { ! shows "$@"; }

# --- Controls, menus, the close box, scroll bars, boxes, moving and showing ---
build "$ROOT/tests/gui/windows/controls.bas" controls
C="NORMAL=Controls"
cmds=(wait-for "$C" 10000); until_said controls ready
then_do click-control "$C" Press; until_said controls "button  101 -1 -1"
then_do choose "$C" 202; until_said controls "command  202  0 -1"
then_do menu-keys "$C" c 0x0D; until_said controls "command  201  0 -1"
then_do mouse-at "$C" 516 40 60 wait-popup "$C" 5000 popup-keys 0x28,0x28,0x0D
until_said controls "command  302  0 -1"
then_do chars "$C" q; until_said controls "key q"
then_do mouse-at "$C" 513 30 70; until_said controls "down  30  70"
then_do close-box "$C"; until_said controls "close -1"; then_do sleep 200 wait-for "$C" 0
step controls 1; then_do rect "$C"; step controls 2; then_do rect "$C"
step controls 3; then_do wait-for "$C" 0; step controls 4; then_do wait-for "$C" 0
then_do choose "$C" 5 wait-box 5000 press 1 sleep 300 wait-box 5000 press 6; until_said controls "step 5"
then_do capture-fresh "$C" "$(win "$WORK/thumb-top.bmp")"
step controls 6; then_do scroll-info "$C" 102 capture-fresh "$C" "$(win "$WORK/thumb-moved.bmp")"
for n in 7 8 9; do step controls $n; then_do sleep 200 rect "$C"; done
then_do rect NORMAL=Chosen close VudEvir wait-exit 5000
drive controls "${cmds[@]}"

said controls "button  101 -1 -1"
check "a clicked button is WM_COMMAND of its window: the control id, the button's handle" $? "$(story controls)"
said controls "command  202  0 -1" && said controls "command  201  0 -1"
check "menu choices by id and through the keyboard are WM_COMMAND with the item id, lparam 0" $? "$(story controls)"
said controls "text Press,Pr,.  0"
check "WM_GETTEXT into a string variable: the size limits the text, a size below 1 gives nothing" $? "$(story controls)"
said controls "huge Press  5"
check "WM_GETTEXT with a size of 2,147,483,647 reads the text into a buffer of the usual size" $? "$(story controls)"
said controls "menu  &Blue"
check "MenuStr\$ reads an item of the window's sub-menu" $? "$(story controls)"
logged controls "popup 0 0" && said controls "command  302  0 -1"
check "a pop-up menu tracked at (0,0) opens at the client corner and reports its choice" $? "$(story controls)"
said controls "key q" && said controls "down  30  70"
check "a typed character is the last key; a left click carries the client x and y" $? "$(story controls)"
said controls "close -1" && [ "$(grep -c '^window NORMAL=Controls visible=1$' "$WORK/controls.log")" -ge 2 ]
check "the close box is event 16 and the window stays open" $? "$(story controls)"
said controls "range  0  100 at  0" && said controls "range  0  200 at  150" && logged controls "scroll 0 200 20 150"
check "a scroll-bar control's range, page and thumb: read by the program and seen by the driver" $? "$(story controls)"
# The thumb is the first run of plain white rows between the arrows of the bar
# (the track is dithered); its client y, or nothing.
thumb_y() {
  convert "$1" -crop 1x150+290+10 +repage txt:- 2>/dev/null | awk 'NR > 1 {
    split($1, at, "[,:]"); y = at[2]; if (y < 18 || y > 131) next
    if ($3 == "#FFFFFF") { if (run++ == 0) start = y; if (run == 4) { print start + 10; exit } } else run = 0 }'
}
top="$(thumb_y "$WORK/thumb-top.bmp")"; moved="$(thumb_y "$WORK/thumb-moved.bmp")"
[ -n "$top" ] && [ -n "$moved" ] && [ "$top" -lt 40 ] && [ "$moved" -gt 100 ] && [ "$moved" -lt 135 ]
check "the thumb shows at the top for position 0 and three quarters down for 150 of 0-200" $? "thumb at ${top:-?} then ${moved:-?}"
rects="$(grep '^rect ' "$WORK/controls.log")"
read -r _ left top right bottom _ <<<"$(sed -n 6p <<<"$rects")"
[ -n "$bottom" ] && [ $((right - left)) -gt 100 ] && [ $((bottom - top)) -gt 100 ]
check "a window made with -1 for x, y, width and height gets a place and a size from Windows" $? "$rects"
[ "$(sed -n 1p <<<"$rects" | cut -d' ' -f2-5)" = "30 40 470 420" ] &&
  [ "$(sed -n 2p <<<"$rects" | cut -d' ' -f2-5)" = "30 40 500 440" ]
check "move window to edges; -1 keeps the position and changes the size" $? "$rects"
logged controls "window NORMAL=Controls visible=0" && [ "$(grep -c '^window NORMAL=Controls visible=1$' "$WORK/controls.log")" -ge 3 ]
check "show window hides and shows again" $? "$(story controls)"
logged controls "box |Plain" && logged controls "box Question|Keep the picture?" && said controls "answer  6"
check "message boxes: only a text has an empty title; Yes gives 6 to the variable" $? "$(story controls)"
# A window's own vertical bar takes client width while shown; the disable flag keeps it.
widths=($(sed -n '3,5p' <<<"$rects" | cut -d' ' -f7))
[ "${#widths[@]}" = 3 ] && [ "${widths[0]}" = "${widths[1]}" ] && [ "${widths[2]}" -gt "${widths[1]}" ]
check "bar words in any case; the disable flag keeps an unneeded bar, without it the bar goes" $? "$rects"

# --- Send message: every kind of row on list boxes, combo boxes and edit controls ---
build "$ROOT/tests/gui/windows/messages.bas" messages
drive messages run-to-end 15000
said messages "list  2  1  3  2   fig"
check "list box: texts added and inserted, found, selected and read back; results in variables" $? "$(story messages)"
said messages "combo  2  1  1  3   blue"
check "combo box: texts found, read back and selected; the edit selection as a value pair" $? "$(story messages)"
said messages "edit  2  5  5   hello" && said messages "lines  second line | first  5"
check "edit controls: a selection set by numbers and read as a pair, lines requested by number" $? "$(story messages)"

# --- Waiting for events and in message boxes lets other threads run ---
build "$ROOT/tests/gui/windows/waiting.bas" waiting
cmds=(wait-for NORMAL 10000); until_said waiting ready
then_do sleep 1000 choose NORMAL 1 wait-box 5000 sleep 1000 press 1 wait-exit 5000
drive waiting "${cmds[@]}"
said waiting "counted  1  1" && logged waiting "box Box|Counting goes on"
check "another thread runs while a thread waits for an event and while it shows a box" $? "$(story waiting)"

# --- Drawing into a window that has gone, or into no window ---
build "$ROOT/tests/gui/windows/strays.bas" strays
drive strays run-to-end 15000
said strays "survived  2406" && logged strays "exit 0" && ! grep -q '^box ' "$WORK/strays.log"
check "a gone window's backing bitmap is drawn, copied and read; a number that is no window draws nothing" $? "$(story strays)"

# --- The messages of a window's creation are its first events ---
build "$ROOT/tests/gui/windows/creation.bas" creation
drive creation run-to-end 15000
said creation "first  36  129 -1 -1" && logged creation "exit 0"
check "a new window's first events: the size limits sent before it exists, then its creation" $? "$(story creation)"

# --- Menu items and menus made, changed and taken apart ---
build "$ROOT/tests/gui/windows/menus.bas" menus
drive menus run-to-end 15000
said menus "items &Red||&Blue" && said menus "attached-1-1" && said menus "deleted |&Blue"
check "menu items with texts and a separator; a menu set on a window and its sub-menu; delete by position" $? "$(story menus)"
said menus "removed0 &Blue" && said menus "detached0" && said menus "destroyed []" && said menus "system-1" &&
  logged menus "exit 0"
check "remove keeps the sub-menu, set menu 0 detaches, destroy ends a menu; the system menu" $? "$(story menus)"

# --- A bar word outside the table stops the program ---
build "$ROOT/tests/gui/windows/barword.bas" barword
drive barword run-to-end 15000
said barword "before" && ! said barword "after" && logged barword "box $(cp932 'エラー|プログラム内でエラーが起きました')" &&
  grep -q "horz, vert or ctl" "$WORK/barword.txt"
check "a scroll-bar word other than horz, vert or ctl is a runtime error" $? "$(story barword)"

# --- Figures in a "NORMAL" window, surviving a shrink and a minimise ---
build "$ROOT/tests/gui/windows/shapes.bas" shapes
cmds=(wait-for NORMAL 10000); until_said shapes ready
drive shapes "${cmds[@]}" sleep 300 \
  capture NORMAL "$(win "$WORK/shapes.bmp")" \
  move NORMAL 20 20 60 60 sleep 300 move NORMAL 20 20 420 380 sleep 500 capture-raw NORMAL "$(win "$WORK/regrown.bmp")" \
  show NORMAL 6 sleep 500 show NORMAL 9 sleep 500 capture-raw NORMAL "$(win "$WORK/restored.bmp")" \
  capture PROMPT "$(win "$WORK/dark.bmp")" \
  choose NORMAL 1 wait-text "$(win "$WORK/shapes.txt")" scrolled 5000 capture NORMAL "$(win "$WORK/scrolled.bmp")" \
  choose NORMAL 2 wait-text "$(win "$WORK/shapes.txt")" cleared 5000 capture NORMAL "$(win "$WORK/wiped.bmp")" capture PROMPT "$(win "$WORK/dark-wiped.bmp")" \
  close VudEvir wait-exit 5000
shot="$WORK/shapes.bmp"

# CIRCLE (80,90),40,2,0,3.14: the upper half, from the right end to the left end.
[ "$(pixel "$shot" 80,50)" = "srgb(255,0,0)" ] && shows "$shot" 6x8+38+83 red && lacks "$shot" 21x8+70+124 red
check "a half arc from 0 to 3.14 is the upper half" $? "$(pixel "$shot" 80,50)"
# CIRCLE (250,90),40,4,-1.57,-3.14: the upper-left quarter with both radius lines, unfilled.
[ "$(pixel "$shot" 250,50)" = "srgb(0,255,0)" ] && [ "$(pixel "$shot" 250,70)" = "srgb(0,255,0)" ] &&
  shows "$shot" 10x7+225+86 lime && lacks "$shot" 25x35+265+95 lime && [ "$(pixel "$shot" 235,75)" = "srgb(255,255,255)" ]
check "a quarter sector from -1.57 to -3.14 has both radius lines and no other quarter" $? "$(pixel "$shot" 250,70)"
# Aspect 0.5: 40 across, 20 up; aspect 2: 20 across, 40 up.
[ "$(pixel "$shot" 40,250)" = "srgb(0,0,255)" ] && [ "$(pixel "$shot" 80,230)" = "srgb(0,0,255)" ] &&
  [ "$(pixel "$shot" 80,215)" = "srgb(255,255,255)" ] &&
  [ "$(pixel "$shot" 230,250)" = "srgb(0,0,255)" ] && [ "$(pixel "$shot" 250,210)" = "srgb(0,0,255)" ] &&
  [ "$(pixel "$shot" 215,250)" = "srgb(255,255,255)" ]
check "a circle's aspect: 0.5 is twice as wide as tall, 2 twice as tall as wide" $? "$(pixel "$shot" 80,230) $(pixel "$shot" 250,210)"
[ "$(pixel "$shot" 350,250)" = "srgb(0,255,0)" ] && [ "$(pixel "$shot" 320,250)" = "srgb(255,0,0)" ] &&
  [ "$(pixel "$shot" 315,250)" = "srgb(255,255,255)" ] && [ "$(pixel "$shot" 5,100)" = "srgb(255,255,255)" ]
check "paint inside a circle fills the inside and stops at its outline" $? "$(pixel "$shot" 315,250) $(pixel "$shot" 5,100)"
[ "$(pixel "$shot" 350,150)" = "srgb(255,255,0)" ] && [ "$(pixel "$shot" 330,150)" = "srgb(255,0,0)" ] &&
  lacks "$shot" 30x12+335+96 yellow
check "F fills a whole circle with the fill colour inside a line-colour edge; an arc with F stays unfilled" $? "$(pixel "$shot" 350,150)"
said shapes "xor  5  7  5" && [ "$(pixel "$shot" 210,330)" = "srgb(0,255,255)" ]
check "xor put twice restores the picture (cyan, white, cyan again)" $? "$(story shapes)"
said shapes "point -33023 -197121  7 -33023" && [ "$(pixel "$shot" 300,330)" = "srgb(255,128,0)" ]
check "Point reads RGB colours back as the negative numbers RGB gives, white as 7" $? "$(story shapes)"
shows "$shot" 60x20+300+60 blue && shows "$shot" 60x20+300+60 yellow
check "graphic text with a colour and a background of 1 is yellow on blue" $? "$(story shapes)"
# SCROLL 10,20 moves the picture right and down and uncovers black; CLS 2 makes the window white.
img="$WORK/scrolled.bmp"
[ "$(pixel "$img" 5,100)" = "srgb(0,0,0)" ] && [ "$(pixel "$img" 100,10)" = "srgb(0,0,0)" ] &&
  [ "$(pixel "$img" 40,345)" = "srgb(255,0,0)" ] && [ "$(pixel "$img" 90,70)" = "srgb(255,0,0)" ]
check "scroll graphics moves the picture by (10,20) with black strips left and top" $? "$(pixel "$img" 5,100) $(pixel "$img" 90,70)"
img="$WORK/wiped.bmp"
[ "$(pixel "$img" 5,100)" = "srgb(255,255,255)" ] && [ "$(pixel "$img" 40,345)" = "srgb(255,255,255)" ] &&
  [ "$(pixel "$img" 90,70)" = "srgb(255,255,255)" ]
check "clear screen 2 makes a NORMAL window white again" $? "$(pixel "$img" 5,100)"
[ "$(pixel "$WORK/dark.bmp" 5,5)" = "srgb(0,0,0)" ] && [ "$(pixel "$WORK/dark.bmp" 20,20)" = "srgb(255,0,0)" ] &&
  [ "$(pixel "$WORK/dark-wiped.bmp" 20,20)" = "srgb(0,0,0)" ] && [ "$(pixel "$WORK/dark-wiped.bmp" 60,60)" = "srgb(0,0,0)" ]
check "a PROMPT window starts black and clear screen 2 makes it black again" $? "$(pixel "$WORK/dark.bmp" 5,5) $(pixel "$WORK/dark-wiped.bmp" 20,20)"
said shapes "erase  2  4" && [ "$(pixel "$shot" 25,325)" = "srgb(255,0,0)" ] && [ "$(pixel "$shot" 26,325)" = "srgb(0,255,0)" ]
check "erase point draws the background colour, and nothing when the background is transparent" $? "$(story shapes)"
# Under Wine a covered window keeps its pixels; shrinking and minimising lose them.
for copy in regrown restored; do
  img="$WORK/$copy.bmp"
  [ "$(pixel "$img" 80,50)" = "srgb(255,0,0)" ] && [ "$(pixel "$img" 250,70)" = "srgb(0,255,0)" ] &&
    [ "$(pixel "$img" 80,230)" = "srgb(0,0,255)" ] && [ "$(pixel "$img" 210,330)" = "srgb(0,255,255)" ] &&
    [ "$(pixel "$img" 30,330)" = "srgb(255,0,0)" ]
  check "the graphics come back from the backing bitmap after the window was $copy" $? "$(pixel "$img" 80,50) $(pixel "$img" 30,330)"
done

# --- Bitmaps by relative names, next to the program and after a change of directory ---
mkdir -p "$WORK/images/pictures"
convert -size 8x8 xc:red "BMP3:$WORK/images/tile.bmp" && convert -size 8x8 xc:blue "BMP3:$WORK/images/pictures/inner.bmp"
build "$ROOT/tests/gui/windows/images.bas" images/images
drive images/images run-to-end 15000
said images/images "loaded  2  1" && logged images/images "exit 0"
check "load image finds a bitmap by a relative name in the program's directory, then after CHDIR" $? "$(story images/images)"

# --- The drawing example, as a new user would try it ---
build "$ROOT/examples/draw.bas" draw
cmds=(wait-for NORMAL 10000); until_said draw ready
then_do menu-keys NORMAL c 0x28,0x0D; until_said draw "colour green, tool line"
then_do drag NORMAL 50 100 200 100; until_said draw "line to 200,100"
then_do click-control NORMAL Circle; until_said draw "colour green, tool circle"
then_do choose NORMAL 11 drag NORMAL 300 200 340 200; until_said draw "circle at 300,200 radius 40"
then_do click-control NORMAL Fill; until_said draw "colour blue, tool fill"
then_do mouse-at NORMAL 513 300 200 mouse-at NORMAL 514 300 200; until_said draw "filled at 300,200"
then_do sleep 200 capture NORMAL "$(win "$WORK/draw.bmp")"
then_do menu-keys NORMAL p 0x28,0x28,0x0D; until_said draw cleared
then_do sleep 200 capture NORMAL "$(win "$WORK/cleared.bmp")"
then_do menu-keys NORMAL p 0x28,0x0D wait-exit 5000
drive draw "${cmds[@]}"
shot="$WORK/draw.bmp"
shows "$shot" 150x3+50+99 lime && [ "$(pixel "$shot" 120,100)" = "srgb(0,255,0)" ] && [ "$(pixel "$shot" 120,110)" = "srgb(255,255,255)" ]
check "draw: a green line dragged after choosing Green in the Colour menu" $? "$(story draw)"
[ "$(pixel "$shot" 300,160)" = "srgb(0,0,255)" ] && [ "$(pixel "$shot" 260,200)" = "srgb(0,0,255)" ] &&
  [ "$(pixel "$shot" 300,200)" = "srgb(0,0,255)" ] && [ "$(pixel "$shot" 250,200)" = "srgb(255,255,255)" ]
check "draw: the Circle button and a drag from the centre give a blue circle of radius 40, Fill fills it" $? "$(story draw)"
lacks "$WORK/cleared.bmp" 150x3+50+99 lime && lacks "$WORK/cleared.bmp" 90x90+255+155 blue
check "draw: Picture > Clear wipes the page" $? "$(story draw)"
said draw "bye" && grep -q '^exit 0 after' "$WORK/draw.log"
check "draw: Picture > Quit ends the program" $? "$(story draw)"

finish "windows tests"
