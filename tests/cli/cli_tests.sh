#!/usr/bin/env bash
# The command-line behaviour of tessrun: arguments, unusable programs, exit
# statuses, the stream options.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BIN="${TESS_BIN_DIR:-$ROOT/build/bin}"
WORK="$ROOT/build/cli-tests"
mkdir -p "$WORK"
passed=0; failed=0

expect() {  # name, expected status, command...
  local name="$1" want="$2"; shift 2
  "$@" >"$WORK/out" 2>"$WORK/err" </dev/null
  local got=$?
  if [ "$got" = "$want" ]; then passed=$((passed + 1)); echo "ok   $name"
  else failed=$((failed + 1)); echo "FAIL $name: status $got, expected $want"; head -5 "$WORK/err"; fi
}
expect_output() {  # name, expected stdout (printf format)
  if cmp -s <(printf "$2") "$WORK/out"; then passed=$((passed + 1)); echo "ok   $1"
  else failed=$((failed + 1)); echo "FAIL $1"; od -c "$WORK/out" | head -5; fi
}

"$BIN/mkimage" "$WORK/empty.img" ''
expect "zero-length program exits 0" 0 "$BIN/tessrun" "$WORK/empty.img"
expect_output "zero-length program prints nothing" ''

"$BIN/mkimage" "$WORK/unlisted.img" ' \x10\x22\n'
expect "unlisted statement code exits 1" 1 "$BIN/tessrun" "$WORK/unlisted.img"
if grep -q "statement code 0x1022 is not in the table" "$WORK/err"; then passed=$((passed + 1)); echo "ok   diagnostic on stderr"
else failed=$((failed + 1)); echo "FAIL diagnostic on stderr"; fi

"$BIN/mkimage" --truncate 10 "$WORK/truncated.img" ' \{PRINT} "hello"\n'
expect "truncated image exits 2" 2 "$BIN/tessrun" "$WORK/truncated.img"
if grep -q "larger than the file\|too short\|ends before\|runs past" "$WORK/err"; then passed=$((passed + 1)); echo "ok   truncated image is named"
else failed=$((failed + 1)); echo "FAIL truncated image is named"; cat "$WORK/err"; fi

expect "missing file exits 2" 2 "$BIN/tessrun" "$WORK/no-such-file"
expect "no arguments exit 2" 2 "$BIN/tessrun"
expect "unknown option exits 2" 2 "$BIN/tessrun" --bogus "$WORK/empty.img"

"$BIN/mkimage" "$WORK/kana.img" ' \{PRINT} "\x82\xa0\x82\xa2"\n'
expect "utf8 stream" 0 "$BIN/tessrun" --utf8 "$WORK/kana.img"
expect_output "utf8 stream converts code page 932" 'あい\n'
expect "raw stream" 0 "$BIN/tessrun" "$WORK/kana.img"
expect_output "raw stream keeps code page 932" '\202\240\202\242\n'

"$BIN/mkimage" "$WORK/screen.img" ' \{PRINT} "a";\n \{PRINT} "\tb"\n'
expect "screen" 0 "$BIN/tessrun" --screen "$WORK/screen.img"
expect_output "--screen prints the final text buffer" 'a       b\n'
"$BIN/mkimage" "$WORK/skipped.img" ' \{LOCATE} 3,1\n \{PRINT} "x"\n'
expect "screen after a text position" 0 "$BIN/tessrun" --screen "$WORK/skipped.img"
expect_output "--screen shows blanks for the cells a text position skipped" '\n   x\n'
"$BIN/mkimage" "$WORK/cls.img" ' \{PRINT} "a"\n \{CLS}\n \{PRINT} "b"\n \{CLS} 2\n \{PRINT} "c"\n'
expect "clear screen" 0 "$BIN/tessrun" --screen "$WORK/cls.img"
expect_output "clear screen empties the grid; mode 2 (graphics) keeps it" 'b\nc\n'

# An executable with an image appended runs like the image itself.
printf 'MZ\0\0pretend' >"$WORK/host.exe"
"$BIN/mkimage" --exe "$WORK/host.exe" "$WORK/app.exe" ' \{PRINT} "from an exe"\n'
expect "executable with an appended image" 0 "$BIN/tessrun" "$WORK/app.exe"
expect_output "executable with an appended image prints" 'from an exe\n'

printf 'cli tests: %d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
