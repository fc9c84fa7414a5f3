#!/usr/bin/env bash
# Runs a Tessaly program on runtime.exe under Wine: on the user's display when
# there is one, otherwise on a private Xvfb display with a screenshot saved.
#   run.sh [PROGRAM]   PROGRAM: a .bas source (default examples/hello.bas), an
#                      image, or a finished .exe
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
program="${1:-$ROOT/examples/hello.bas}"

# The program's windows: "id width height x y" for each mapped top-level X
# window bigger than a few pixels (Wine keeps small helper windows of its own).
program_windows() {
  local id
  for id in $(xwininfo -root -children 2>/dev/null | awk '/^ +0x/ { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
      /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
      /Width:/ { w = $NF } /Height:/ { h = $NF } /Map State:/ { m = $NF }
      END { if (m == "IsViewable" && w > 16 && h > 16) print id, w, h, x, y }'
  done
}

# tess_screenshot PNG TRANSCRIPT: once the program has opened its windows and
# its output has settled, saves the part of the X display that holds them, as
# it is shown (nothing is repainted first); says why when it cannot.
tess_screenshot() {
  local png="$1" transcript="$2" windows="" size=-1 quiet=0
  for _ in $(seq 200); do
    windows="$(program_windows)"
    [ -n "$windows" ] && break
    sleep 0.1
  done
  if [ -z "$windows" ]; then
    echo "no screenshot: the program showed no window within 20 s (Wine's output: $BUILD/run/$name.wine.log)" >&2
    return
  fi
  # Settled: the transcript has not grown for a second (at most 10 s).
  for _ in $(seq 100); do
    local now; now="$(stat -c %s "$transcript" 2>/dev/null || echo 0)"
    if [ "$now" = "$size" ]; then quiet=$((quiet + 1)); else quiet=0; size="$now"; fi
    [ "$quiet" -ge 10 ] && break
    sleep 0.1
  done
  windows="$(program_windows)"
  local box
  box="$(awk 'NR == 1 { l = $4; t = $5; r = $4 + $2; b = $5 + $3 }
    { if ($4 < l) l = $4; if ($5 < t) t = $5; if ($4 + $2 > r) r = $4 + $2; if ($5 + $3 > b) b = $5 + $3 }
    END { if (l < 0) l = 0; if (t < 0) t = 0; printf "%dx%d+%d+%d", r - l, b - t, l, t }' <<<"$windows")"
  if import -window root -crop "$box" +repage "$png" 2>"$BUILD/run/$name.import.log"; then
    echo "screenshot: $png" >&2
  else
    echo "no screenshot: import could not read the display ($(head -1 "$BUILD/run/$name.import.log"))" >&2
  fi
}
[ -f "$program" ] || { echo "no such program: $program" >&2; exit 2; }
mkdir -p "$BUILD/run"
name="$(basename "${program%.*}")"
exe="$BUILD/run/$name.exe"
case "$program" in
  *.bas) "$BIN_DIR/tessc" build "$program" -o "$exe" --runtime "$WIN_DIR/runtime.exe" ;;
  *.exe) cp "$program" "$exe" ;;
  *) cat "$WIN_DIR/runtime.exe" "$program" >"$exe" ;;
esac

# Programs that ask for a file dialog start filedlg.exe from their own folder.
cp "$WIN_DIR/filedlg.exe" "$BUILD/run/"

transcript="$BUILD/run/$name.transcript"
rm -f "$transcript"
export TESSALY_TRANSCRIPT="$transcript"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  tess_start_wine
  trap 'tess_stop_wine' EXIT
  wine "$exe" || true
else
  tess_start_display
  tess_start_wine
  trap 'tess_stop_wine; tess_stop_display' EXIT
  wine "$exe" >"$BUILD/run/$name.wine.log" 2>&1 &
  tess_screenshot "$BUILD/run/$name.png" "$transcript"
fi
[ -f "$transcript" ] && iconv -f CP932 -t UTF-8 "$transcript" || true
