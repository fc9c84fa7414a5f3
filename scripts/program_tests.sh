#!/usr/bin/env bash
# Program tests: every tests/programs/**/NAME.bas (source) or NAME.prog (program
# text with \xNN escapes, for hand-made images) runs on the headless runner and its
# output is compared with NAME.out byte for byte (NAME.status: expected exit status,
# default 0; NAME.in: standard input; NAME.open: standard input held open with
# nothing ever typed). With --wine the same images also run on
# runtime.exe under Wine, whose transcript must match the headless run; there each
# line of NAME.in is typed into the console when an input waits (NAME.headless,
# holding the reason, keeps a test off Wine).
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
  if [ -f "$2.open" ]; then  # typed input that never comes: a pipe held open
    local status
    timeout 60 "$BIN/tessrun" "$1" < <(exec sleep 60) >"$3.out" 2>"$3.err"
    status=$?
    kill $! 2>/dev/null
    return $status
  fi
  timeout 60 "$BIN/tessrun" "$1" <"$input" >"$3.out" 2>"$3.err"
}

# One line of typed input in the driver's escaped form.
escape_typed() {
  local LC_ALL=C s="$1" out="" c i
  for ((i = 0; i < ${#s}; i++)); do
    c="${s:i:1}"
    case "$c" in
      [a-zA-Z0-9\ ,.\;:\"\'\!\?\$\#\&\(\)\*+=/\<\>@_-]) out+="$c" ;;
      *) out+="$(printf '\\x%02x' "'$c")" ;;
    esac
  done
  printf '%s' "$out"
}

run_wine() {  # image, work base, source base
  cat "$WIN_DIR/runtime.exe" "$1" >"$2.exe"
  rm -f "$2.transcript"
  local answers=() line
  if [ -f "$3.in" ]; then
    while IFS= read -r line || [ -n "$line" ]; do
      answers+=(answer "$(escape_typed "${line%$'\r'}")" 10000)
    done <"$3.in"
  fi
  TESSALY_TRANSCRIPT="$2.transcript" tess_drive 60 "$2.driver" start "$(winepath -w "$2.exe")" "" "${answers[@]}" run-to-end 20000
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
  if [ $wine_too = 1 ] && [ ! -f "$base.headless" ]; then
    run_wine "$w.img" "$w" "$base"
    # The transcript holds the same stream plus the diagnostic line on a line of its own.
    cp "$w.native.out" "$w.expected-transcript"
    # The headless warnings of rejected answers are boxes on Windows, not text.
    LC_ALL=C grep -v '^Warning: ' "$w.native.err" >"$w.native.diagnostic"
    if [ -s "$w.native.diagnostic" ]; then
      [ -s "$w.native.out" ] && [ "$(tail -c1 "$w.native.out" | od -An -c | tr -d ' ')" != '\n' ] && printf '\n' >>"$w.expected-transcript"
      cat "$w.native.diagnostic" >>"$w.expected-transcript"
    fi
    if ! cmp -s "$w.expected-transcript" "$w.transcript" 2>/dev/null; then
      fail "$name (wine)" "$(diff <(od -c "$w.expected-transcript") <(od -c "$w.transcript" 2>/dev/null) | head -20
        echo "driver:"; iconv -f CP932 -t UTF-8 "$w.driver" 2>/dev/null | tail -8)"; continue
    fi
    # A runtime error shows exactly one box, the fixed one; a normal end shows none.
    # A rejected answer shows the warning box where the headless run warns.
    if [ "$(LC_ALL=C grep -c '^box Warning|' "$w.driver")" != "$(LC_ALL=C grep -c '^Warning: ' "$w.native.err")" ]; then
      fail "$name (wine warnings)" "$(iconv -f CP932 -t UTF-8 "$w.driver")"; continue
    fi
    boxes="$(LC_ALL=C grep -v '^box Warning|' "$w.driver" | LC_ALL=C grep -c '^box ')"
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
