#!/usr/bin/env bash
# Every example of docs/language.md runs. Each ```basic block is a program: it
# is tokenised and run on tessrun (in a scratch directory, with the ```input
# block that may follow it as typed input); where an ```output block follows,
# the printed stream must equal it byte for byte (as UTF-8). An example that
# tessrun refuses because it needs a display or a device is a Windows example:
# with --wine it runs on runtime.exe under Wine (message boxes answered with OK,
# stopped after a moment if it waits for events) and must show no error box.
# Each example runs in a directory of its own that holds logo.bmp (a 32 x 32
# picture) and, under Wine, the logging MIDI device of tests/gui/midilog.
#   reference_examples.sh [--wine]
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
WORK="$BUILD/reference-examples"
rm -rf "$WORK"; mkdir -p "$WORK"
wine_too=0
[ "${1:-}" = "--wine" ] && wine_too=1

# Cut the reference into NNN.bas, NNN.in and NNN.out files, and NNN.where with
# the heading the example stands under.
awk -v dir="$WORK" '
  /^### / { heading = substr($0, 5) }
  /^```/ {
    if (kind == "") {
      lang = substr($0, 4)
      if (lang == "basic") { n++; kind = "bas"; file = sprintf("%s/%03d.bas", dir, n)
                             print heading > sprintf("%s/%03d.where", dir, n); next }
      if ((lang == "output" || lang == "input") && n > 0) {
        kind = (lang == "output") ? "out" : "in"; file = sprintf("%s/%03d.%s", dir, n, kind)
        printf "" > file; next
      }
      kind = "skip"; next
    }
    kind = ""; next
  }
  kind == "bas" || kind == "out" || kind == "in" { print > file }
' "$ROOT/docs/language.md"

passed=0; failed=0
fail() { failed=$((failed + 1)); printf 'FAIL example %s (%s)\n' "$1" "$(cat "$WORK/$1.where")"; [ -n "${2:-}" ] && printf '%s\n' "$2" | head -12; }
needs_windows() { grep -qE 'needs (a display|the Windows|a printer|a sound device|a console window)' "$1"; }
ERROR_BOX="$(printf 'エラー|プログラム内でエラーが起きました' | iconv -t CP932)"

wine_examples=()
for src in "$WORK"/*.bas; do
  n="$(basename "$src" .bas)"
  run="$WORK/run-$n"; mkdir -p "$run"
  convert -size 32x32 xc:red "BMP3:$run/logo.bmp" 2>/dev/null
  if ! "$BIN_DIR/tessc" image "$src" -o "$run/$n.img" 2>"$WORK/$n.tessc"; then
    fail "$n" "$(cat "$WORK/$n.tessc")"; continue
  fi
  input=/dev/null; [ -f "$WORK/$n.in" ] && input="$WORK/$n.in"
  (cd "$run" && timeout 20 "$BIN_DIR/tessrun" --utf8 "$run/$n.img" <"$input" >"$WORK/$n.got" 2>"$WORK/$n.err")
  status=$?
  if [ $status = 1 ] && needs_windows "$WORK/$n.err"; then
    wine_examples+=("$n"); continue
  fi
  if [ $status != 0 ]; then fail "$n" "status $status: $(cat "$WORK/$n.err")"; continue; fi
  if [ -f "$WORK/$n.out" ] && ! cmp -s "$WORK/$n.out" "$WORK/$n.got"; then
    fail "$n" "$(diff "$WORK/$n.out" "$WORK/$n.got")"; continue
  fi
  passed=$((passed + 1))
done

if [ $wine_too = 1 ]; then
  SYSTEM_WINMM=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/winmm.dll
  for n in "${wine_examples[@]}"; do
    cat "$WIN_DIR/runtime.exe" "$WORK/run-$n/$n.img" >"$WORK/run-$n/example.exe"
    cp "$WIN_DIR/midilog/winmm.dll" "$WORK/run-$n/winmm.dll"
    cp "$SYSTEM_WINMM" "$WORK/run-$n/winmm_wine.dll"
    rm -f "$WORK/$n.transcript"
    TESS_MIDI_LOG="$(winepath -w "$WORK/$n.midi")" WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n" \
    TESSALY_TRANSCRIPT="$WORK/$n.transcript" tess_drive 30 "$WORK/$n.driver" \
      start "$(winepath -w "$WORK/run-$n/example.exe")" "" run-to-end 1500
    if [ ! -s "$WORK/$n.driver" ]; then fail "$n" "the driver did not run: $(cat "$WORK/$n.driver.wine")"; continue; fi
    if LC_ALL=C grep -qF "box $ERROR_BOX" "$WORK/$n.driver" || grep -q '^runtime error' "$WORK/$n.transcript" 2>/dev/null; then
      fail "$n" "$(cat "$WORK/$n.transcript" 2>/dev/null)"; continue
    fi
    passed=$((passed + 1))
  done
else
  printf 'Windows examples not run (no --wine): %d\n' "${#wine_examples[@]}"
fi

printf 'reference examples: %d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
