#!/usr/bin/env bash
# tessc from the command line: what it refuses (exact messages, nothing written),
# the warnings and --werror, the source map and the runtime errors that point at
# the source through tessrun, rebinding an existing program to another runtime,
# and the version.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BIN="${TESS_BIN_DIR:-$ROOT/build/bin}"
WORK="$ROOT/build/tessc-tests"
rm -rf "$WORK"; mkdir -p "$WORK"; cd "$WORK" || exit 1
passed=0; failed=0
pass() { passed=$((passed + 1)); echo "ok   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL $1"; shift; printf '%s\n' "$@" | head -20; }

# same NAME EXPECTED_STATUS EXPECTED_STDERR COMMAND...: status and stderr exactly.
same() {
  local name="$1" want_status="$2" want_err="$3"; shift 3
  "$@" >out 2>err </dev/null
  local got=$?
  if [ "$got" = "$want_status" ] && [ "$(cat err)" = "$want_err" ]; then pass "$name"
  else fail "$name" "status $got (expected $want_status)" "--- stderr:" "$(cat err)" "--- expected:" "$want_err"; fi
}

printf 'MZ foreign runtime bytes\n' >rt.exe

# --- refusals: exact messages, nothing written ------------------------------------
printf 'PRINT 1\n' >p.bas
cp p.bas p.before
same "an output that is the source is refused" 1 "tessc: the output p.bas is the input p.bas; nothing written" \
  "$BIN/tessc" build p.bas -o p.bas --runtime rt.exe
cmp -s p.bas p.before && [ ! -e p.map ] && pass "the source is left as it was" || fail "the source is left as it was"
same "the same file by another path is refused" 1 "tessc: the output ./p.bas is the input p.bas; nothing written" \
  "$BIN/tessc" image p.bas -o ./p.bas
printf 'PRINT 1\n' >q.bas; printf 'keep\n' >q.map
same "a map that would overwrite an input is refused" 1 "tessc: the map q.map would overwrite the input q.map; nothing written" \
  "$BIN/tessc" build q.map -o q.exe --runtime rt.exe
same "the runtime as the output is refused" 1 "tessc: the output rt.exe is the input rt.exe; nothing written" \
  "$BIN/tessc" build p.bas -o rt.exe --runtime rt.exe
cmp -s p.bas p.before && grep -q foreign rt.exe && pass "neither input was touched" || fail "neither input was touched"

same "a font height that is no number" 2 "tessc: --font-height needs a whole number from -32768 to 32767, not 'abc'" \
  "$BIN/tessc" image p.bas -o x.img --font-height abc
same "a font height out of range" 2 "tessc: --font-height needs a whole number from -32768 to 32767, not '99999999999'" \
  "$BIN/tessc" image p.bas -o x.img --font-height 99999999999
same "a point size with trailing letters" 2 "tessc: --point-size needs a whole number from 0 to 32767, not '12pt'" \
  "$BIN/tessc" image p.bas -o x.img --point-size 12pt
same "a charset above a byte" 2 "tessc: --charset needs a whole number from 0 to 255, not '256'" \
  "$BIN/tessc" image p.bas -o x.img --charset 256
[ ! -e x.img ] && pass "no image after a bad option" || fail "no image after a bad option"

# Expressions that cannot parse are errors with file:line:col.
while IFS='|' read -r source message; do
  printf '%s\n' "$source" >e.bas
  same "error: $source" 1 "e.bas:$message" "$BIN/tessc" image e.bas -o e.img
done <<'CASES'
PRINT 1 +|1:10: expected an operand after '+'
PRINT ((((1|1:10: '(' without ')'
DIM a(|1:6: a( without ')'
PRINT ABS(|1:10: ABS( without ')'
PRINT 1))))|1:8: ')' without '('
IF a = 1 PRINT "x"|1:10: IF without THEN
DO|1:1: unknown keyword 'DO'; use WHILE condition ... WEND
CASES
[ ! -e e.img ] && [ ! -e e.map ] && pass "nothing written after a source error" || fail "nothing written after a source error"

# --- warnings -----------------------------------------------------------------------
cat >w.bas <<'SRC'
ON ERROR GOTO *h
t = TIMER
PRINT TAB(10); 1.2.3
DEF FN sq(x) = x * x
PRINT FN sq(3, 4)
PRINT count
b(2) = 1
*h
SRC
want="w.bas:1:4: warning: ERROR is not a Tessaly word and is read as a variable; there is no error trapping: test values before using them
w.bas:2:5: warning: TIMER is not a Tessaly word and is read as a variable; use TIME\$ for the time of day
w.bas:3:7: warning: TAB is not a Tessaly word and is read as a variable; use SPACE\$(n) or LOCATE x, y
w.bas:3:16: warning: malformed number 1.2.3
w.bas:5:7: warning: FN sq takes 1 argument, given 2
w.bas:6:7: warning: count is read but never set (it is always 0)
w.bas:7:1: warning: array b() is used without DIM"
same "warnings name each silent mistake" 0 "$want" "$BIN/tessc" image w.bas -o w.img
[ -s w.img ] && pass "warnings still write the image" || fail "warnings still write the image"
rm -f w.img w.map
same "--werror makes them errors" 1 "${want//warning:/error:}" "$BIN/tessc" image w.bas -o w.img --werror
[ ! -e w.img ] && pass "--werror writes nothing" || fail "--werror writes nothing"

# --- the source map and runtime errors that point at the source ---------------------
cat >fail.bas <<'SRC'
' a subroutine returns twice
PRINT "start"
GOSUB *s
  PRINT "back":  RETURN
*s
RETURN
SRC
"$BIN/tessc" image fail.bas -o fail.img 2>err && [ -s fail.map ] && head -1 fail.map | grep -qx 'tessaly-map 1' \
  && pass "image writes NAME.map beside it" || fail "image writes NAME.map beside it" "$(cat err)"
want='fail.bas:4:18: runtime error 6: RETURN without GOSUB
  PRINT "back":  RETURN
                 ^'
same "tessrun with the map names file, line and column, the line and a caret" 1 "$want" "$BIN/tessrun" fail.img
[ "$(cat out)" = "$(printf 'start\nback')" ] && pass "the program's output comes before the error" || fail "output" "$(cat out)"
same "tessrun on the source itself says the same" 1 "$want" "$BIN/tessrun" fail.bas
printf 'tessaly-map 1\nhash 0000000000000000\nfile other.bas\nat 0 9 9 0\n' >fail.map
"$BIN/tessrun" fail.img >/dev/null 2>err
grep -q '^runtime error 6: RETURN without GOSUB (position [0-9]*) in: RETURN$' err && ! grep -q other.bas err \
  && pass "a map of another program is ignored; the statement is shown in source form" || fail "mismatched map" "$(cat err)"
rm -f fail.map
printf 'x = 1\nPRINT SQR(-x) AND 1\n' >words.bas
"$BIN/tessc" image words.bas -o words.img && rm -f words.map
"$BIN/tessrun" words.img >/dev/null 2>err
grep -qx 'runtime error 5: argument out of range: Sqr: negative argument (position 5) in: PRINT SQR(-x) AND 1' err && pass "without a map, keywords rather than codes" || fail "source form" "$(cat err)"
printf 'DIM a(2)\nDIM a(3)\n' >twice.bas
same "declaring twice has words and names the name" 1 'twice.bas:2:1: runtime error 17: name already declared, or no printer: a is already declared
DIM a(3)
^' "$BIN/tessrun" twice.bas

# --- rebinding a built program to another runtime ----------------------------------
printf 'PRINT "moved"\n' >m.bas
"$BIN/tessc" build m.bas -o old.exe --runtime rt.exe || fail "build old.exe"
printf 'MZ another runtime, longer than the first one\n' >rt2.exe
same "an existing program is rebound" 0 "" "$BIN/tessc" build old.exe -o new.exe --runtime rt2.exe
size_old=$(stat -c %s old.exe); size_rt=$(stat -c %s rt.exe); size_rt2=$(stat -c %s rt2.exe)
cmp -s <(tail -c $((size_old - size_rt)) old.exe) <(tail -c $((size_old - size_rt)) new.exe) \
  && cmp -s <(head -c "$size_rt2" new.exe) rt2.exe && pass "the new exe is the new runtime and the same image" \
  || fail "the new exe is the new runtime and the same image"
[ "$("$BIN/tessrun" new.exe)" = "moved" ] && pass "the rebound program runs" || fail "the rebound program runs"
cmp -s old.map new.map && pass "its map moves with it" || fail "its map moves with it"

# --- version ------------------------------------------------------------------------
[ "$("$BIN/tessc" --version)" = "tessc $(head -1 "$ROOT/VERSION")" ] && pass "--version reads VERSION" || fail "--version"

printf 'tessc tests: %d passed, %d failed\n' "$passed" "$failed"
[ "$failed" -eq 0 ]
