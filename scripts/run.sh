#!/usr/bin/env bash
# Runs a Tessaly program on runtime.exe under Wine: on the user's display when
# there is one, otherwise on a private Xvfb display with a screenshot saved.
#   run.sh [PROGRAM]   PROGRAM: a .bas source (default examples/hello.bas), an
#                      image, or a finished .exe
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
program="${1:-$ROOT/examples/hello.bas}"
[ -f "$program" ] || { echo "no such program: $program" >&2; exit 2; }
mkdir -p "$BUILD/run"
name="$(basename "${program%.*}")"
exe="$BUILD/run/$name.exe"
case "$program" in
  *.bas) "$BIN_DIR/tessc" build "$program" -o "$exe" --runtime "$WIN_DIR/runtime.exe" ;;
  *.exe) cp "$program" "$exe" ;;
  *) cat "$WIN_DIR/runtime.exe" "$program" >"$exe" ;;
esac

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
  # The console and, when the program opened one, its first own window.
  rm -f "$BUILD/run/$name.bmp" "$BUILD/run/$name-window.bmp"
  wine "$WIN_DIR/uidriver.exe" --out "$(winepath -w "$BUILD/run/$name.driver")" \
    start "$(winepath -w "$exe")" "" wait-window VudEvir 10000 sleep 3000 \
    capture VudEvir "$(winepath -w "$BUILD/run/$name.bmp")" capture NORMAL "$(winepath -w "$BUILD/run/$name-window.bmp")" \
    close VudEvir wait-exit 5000 >/dev/null 2>&1 || true
  for shot in "$BUILD/run/$name" "$BUILD/run/$name-window"; do
    if [ -f "$shot.bmp" ]; then
      convert "$shot.bmp" "$shot.png" && echo "screenshot: $shot.png" >&2
    fi
  done
fi
[ -f "$transcript" ] && iconv -f CP932 -t UTF-8 "$transcript" || true
