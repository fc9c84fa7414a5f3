#!/usr/bin/env bash
# What a person sees. Each program draws and prints, then waits (polling INKEY$
# with WAIT, or in WEVENT); while it waits the X display is photographed with
# nothing done to the program's windows beforehand. The picture must equal the
# backing bitmap as the program itself reads it with POINT (over the region it
# dumps), and the window as it paints itself when asked afterwards, text layer
# and child controls included. A key then moves the program to its next step.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/gui-tests/screen"
RUNTIME="${TESS_RUNTIME:-$WIN_DIR/runtime.exe}"
mkdir -p "$WORK"

# A POINT dump (colour numbers, one row a line) as a PPM picture.
dump_to_ppm() {  # dump, width, height
  awk -v w="$2" -v h="$3" 'BEGIN {
      print "P3"; print w, h; print 255
      split("0 0 255|255 0 0|255 0 255|0 255 0|0 255 255|255 255 0|255 255 255", p, "|")
    }
    { for (i = 1; i <= NF; i++) {
        v = $i + 0
        if (v < 0) { n = -v; print n % 256, int(n / 256) % 256, int(n / 65536) % 256 }
        else if (v >= 1 && v <= 7) print p[v]
        else print "0 0 0"
      } }' "$1"
}

# Pixels that differ between two pictures of one size.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | awk '{ print int($1) }'; }

# Waits until the driver log holds COUNT lines matching the pattern.
wait_log() {  # log, pattern, count
  local i
  for ((i = 0; i < 600; i++)); do
    [ "$(grep -cE "$2" "$1" 2>/dev/null)" -ge "$3" ] && return 0
    sleep 0.1
  done
  return 1
}

# The X display's picture of a window's client area (CLIENT: "X Y W H").
photograph() {  # client, out.png
  local x y w h
  read -r x y w h <<<"$1"
  import -window root "$2.full.png" && convert "$2.full.png" -crop "${w}x${h}+${x}+${y}" +repage "$2" && rm -f "$2.full.png"
}

# run_screen NAME CLASS...: one step a class (the window photographed then).
run_screen() {
  local name="$1"; shift
  local classes=("$@") dir="$WORK/$name" i
  rm -rf "$dir"; mkdir -p "$dir"
  cat "$ROOT/tests/gui/screen/$name.bas" "$ROOT/tests/gui/screen/shown.inc" >"$dir/$name.bas"
  convert -size 40x30 gradient:yellow-blue BMP3:"$dir/pic.bmp"
  "$BIN_DIR/tessc" build "$dir/$name.bas" -o "$dir/$name.exe" --runtime "$RUNTIME" || return
  : >"$dir/flag.txt"; : >"$dir/marks.txt"; : >"$dir/driver.log"
  # The driver reads only the flag file, which only this script writes: a
  # Windows reader of marks.txt could keep the program from appending to it.
  local flag
  flag="$(winepath -w "$dir/flag.txt")"
  local cmds=(start "$(winepath -w "$dir/$name.exe")" "" wait-window VudEvir 10000)
  for ((i = 1; i <= ${#classes[@]}; i++)); do
    local cls="${classes[$((i - 1))]}" key=(type x)
    [ "$cls" != VudEvir ] && key=(type-to "$cls" x)
    cmds+=(wait-text "$flag" "ready$i" 120000 client "$cls" wait-text "$flag" "shot$i" 60000 redraw "$cls"
      wait-text "$flag" "go$i" 60000 "${key[@]}")
  done
  cmds+=(wait-exit 10000)
  tess_drive 300 "$dir/driver.log" "${cmds[@]}" &
  local driver=$!
  for ((i = 1; i <= ${#classes[@]}; i++)); do
    local client="" mark dx dy dw dh
    wait_log "$dir/marks.txt" "^step$i " 1
    echo "ready$i" >>"$dir/flag.txt"
    if wait_log "$dir/driver.log" '^(client |no-window)' "$i"; then
      client="$(grep -E '^client ' "$dir/driver.log" | sed -n "${i}p" | cut -d' ' -f2-)"
    fi
    # A person looks a moment after the program has started to wait.
    sleep 0.3
    [ -n "$client" ] && photograph "$client" "$dir/seen$i.png"
    echo "shot$i" >>"$dir/flag.txt"
    wait_log "$dir/driver.log" '^(redrawn|no-window)' "$i" && sleep 0.5 && [ -n "$client" ] &&
      photograph "$client" "$dir/painted$i.png"
    echo "go$i" >>"$dir/flag.txt"

    mark="$(grep "^step$i " "$dir/marks.txt")"
    read -r _ _ dx dy dw dh <<<"$mark"
    local shown=1 painted=1
    if [ -f "$dir/seen$i.png" ] && [ -n "${dh:-}" ]; then
      dump_to_ppm "$dir/dump$i.txt" "$dw" "$dh" >"$dir/dump$i.ppm"
      convert "$dir/seen$i.png" -crop "${dw}x${dh}+${dx}+${dy}" +repage "$dir/seen$i.region.png"
      shown="$(differing "$dir/seen$i.region.png" "$dir/dump$i.ppm")"
    fi
    [ -f "$dir/painted$i.png" ] && painted="$(differing "$dir/seen$i.png" "$dir/painted$i.png")"
    [ "$shown" = 0 ]
    check "$name, step $i: the screen shows the backing bitmap as POINT reads it" $? \
      "${shown} pixels differ in ${dw:-?}x${dh:-?}+${dx:-?}+${dy:-?} ($dir); client ${client:-none}"
    [ "$painted" = 0 ]
    check "$name, step $i: the screen is what the window paints when asked to" $? "${painted} pixels differ ($dir)"
  done
  wait "$driver"
  grep -q '^exit 0' "$dir/driver.log"
  check "$name: the program ends after its last step" $? "$(cat "$dir/driver.log")"
}

run_screen figures VudEvir
run_screen scroll_cls VudEvir VudEvir VudEvir VudEvir
run_screen images VudEvir
run_screen console_text VudEvir
run_screen threads VudEvir
run_screen windows NORMAL VudEvir

finish "screen tests"
