#!/usr/bin/env bash
# Program tests: every tests/programs/**/NAME.bas (source) or NAME.prog (program
# text with \xNN escapes, for hand-made images) runs on the headless runner and its
# output is compared with NAME.out byte for byte (NAME.status: expected exit status,
# default 0; NAME.in: standard input). With --wine the same images also run on
# runtime.exe under Wine, whose transcript must match the headless run.
#   program_tests.sh [--wine] [FILTER]
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$ROOT/scripts/env.sh"
BIN="$BIN_DIR"
WORK="$BUILD/program-tests"
mkdir -p "$WORK"

wine_too=0
[ "${1:-}" = "--wine" ] && { wine_too=1; shift; }
filter="${1:-}"

passed=0; failed=0; failures=()
# "エラー|プログラム内でエラーが起きました" as the driver prints it (code page 932).
ERROR_BOX="$(printf 'エラー|プログラム内でエラーが起きました' | iconv -t CP932)"
fail() { failed=$((failed + 1)); failures+=("$1"); printf 'FAIL %s\n' "$1"; [ -n "${2:-}" ] && printf '%s\n' "$2" | head -20; }

make_image() {  # source, image
  case "$1" in
    *.bas) "$BIN/tessc" image "$1" -o "$2" 2>"$2.err" ;;
    *.prog) "$BIN/mkimage" "$2" "$(cat "$1")" 2>"$2.err" ;;
  esac
}

run_native() {  # image, base -> $WORK/name.native.{out,err}, returns status
  local input=/dev/null
  [ -f "$2.in" ] && input="$2.in"
  timeout 60 "$BIN/tessrun" "$1" <"$input" >"$3.out" 2>"$3.err"
}

run_wine() {  # image, work base
  cat "$WIN_DIR/runtime.exe" "$1" >"$2.exe"
  rm -f "$2.transcript"
  TESSALY_TRANSCRIPT="$2.transcript" timeout 60 wine "$WIN_DIR/uidriver.exe" --out "$(winepath -w "$2.driver")" \
    start "$(winepath -w "$2.exe")" "" run-to-end 20000 >/dev/null 2>&1
}

while IFS= read -r src; do
  rel="${src#"$ROOT/tests/programs/"}"
  base="${src%.*}"
  name="${rel%.*}"
  [ -n "$filter" ] && [[ "$name" != *$filter* ]] && continue
  w="$WORK/${name//\//_}"
  if ! make_image "$src" "$w.img"; then fail "$name (image)" "$(cat "$w.img.err")"; continue; fi
  run_native "$w.img" "$base" "$w.native"
  status=$?
  want_status=0
  [ -f "$base.status" ] && want_status="$(cat "$base.status")"
  if [ "$status" != "$want_status" ]; then
    fail "$name" "exit status $status, expected $want_status; stderr: $(cat "$w.native.err")"; continue
  fi
  if ! cmp -s "$w.native.out" "$base.out"; then
    fail "$name" "$(diff <(od -c "$base.out") <(od -c "$w.native.out") | head -20)"; continue
  fi
  if [ $wine_too = 1 ] && [ ! -f "$base.in" ]; then
    run_wine "$w.img" "$w"
    # The transcript holds the same stream plus the diagnostic line on a line of its own.
    cp "$w.native.out" "$w.expected-transcript"
    if [ -s "$w.native.err" ]; then
      [ -s "$w.native.out" ] && [ "$(tail -c1 "$w.native.out" | od -An -c | tr -d ' ')" != '\n' ] && printf '\n' >>"$w.expected-transcript"
      cat "$w.native.err" >>"$w.expected-transcript"
    fi
    if ! cmp -s "$w.expected-transcript" "$w.transcript" 2>/dev/null; then
      fail "$name (wine)" "$(diff <(od -c "$w.expected-transcript") <(od -c "$w.transcript" 2>/dev/null) | head -20)"; continue
    fi
    # A runtime error shows exactly one box, the fixed one; a normal end shows none.
    boxes="$(LC_ALL=C grep -c '^box ' "$w.driver")"
    if [ "$want_status" = 1 ]; then
      if [ "$boxes" != 1 ] || ! LC_ALL=C grep -qxF "box $ERROR_BOX" "$w.driver"; then
        fail "$name (wine box)" "$(iconv -f CP932 -t UTF-8 "$w.driver")"; continue
      fi
    elif [ "$boxes" != 0 ]; then
      fail "$name (wine box)" "$(iconv -f CP932 -t UTF-8 "$w.driver")"; continue
    fi
  fi
  passed=$((passed + 1))
done < <(find "$ROOT/tests/programs" \( -name '*.bas' -o -name '*.prog' \) | sort)

printf 'program tests: %d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
