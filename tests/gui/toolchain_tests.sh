#!/usr/bin/env bash
# The toolchain for people who write programs, under Wine: tessc.exe builds,
# packs and dumps as the Linux tessc does (UTF-8 and Shift-JIS sources, paths
# with Japanese names, runtime.exe found beside tessc.exe), rebinds a built
# program to its runtime, refuses to overwrite its inputs; `tessc run` shows a
# failing program's diagnostic in the terminal and its box shows the source
# line; the release zip unpacks into an empty folder and builds and runs an
# example from there; `./tessaly run` and `tessc run` give a program its file
# dialog; the versions agree. Expects the Wine world of
# scripts/env.sh to be running (display, wineserver).
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/toolchain-tests"
rm -rf "$WORK"; mkdir -p "$WORK"
VERSION="$(head -1 "$ROOT/VERSION")"
TESSC="$BIN_DIR/tessc"

win() { winepath -w "$1" 2>/dev/null; }
# wine_tessc DIR ARGS...: tessc.exe copied into DIR, run there; stdout, stderr in DIR/out, DIR/err.
# tessc.exe never fails without saying why: a failure with nothing on stderr is
# a start Wine never made, made once more and said (tess_driver_note).
wine_tessc() {
  local dir="$1" attempt status; shift
  for attempt in 1 2; do
    (cd "$dir" && timeout 60 wine tessc.exe "$@" >out 2>err </dev/null)
    status=$?
    [ "$status" = 0 ] || [ -s "$dir/err" ] || [ "$attempt" = 2 ] && return "$status"
    tess_driver_note "tessc.exe-started-again status $status: $*"
  done
}
# The FileVersion of a program's version resource (UTF-16 strings in the file).
file_version() { strings -el "$1" | grep -A1 -x FileVersion | tail -1; }

# --- versions -------------------------------------------------------------------------
for exe in runtime.exe filedlg.exe tessc.exe; do
  [ "$(file_version "$WIN_DIR/$exe")" = "$VERSION" ]
  check "$exe carries version resource $VERSION" $? "$(file_version "$WIN_DIR/$exe")"
done
BINW="$WORK/bin"; mkdir -p "$BINW"
cp "$WIN_DIR/tessc.exe" "$WIN_DIR/runtime.exe" "$BINW/"
wine_tessc "$BINW" --version
[ "$(tr -d '\r' <"$BINW/out")" = "tessc $VERSION" ] && [ "$("$TESSC" --version)" = "tessc $VERSION" ]
check "tessc.exe --version and tessc --version say $VERSION" $? "$(cat "$BINW/out" "$BINW/err")"

# --- build, image and dump as on Linux, in a folder with a Japanese name ---------------
JP="$WORK/日本語のフォルダ"; mkdir -p "$JP"
cat >"$JP/挨拶.bas" <<'SRC'
' 挨拶
PRINT "こんにちは"
FOR i = 1 TO 3: PRINT i; "回": NEXT i
SRC
iconv -f UTF-8 -t CP932 "$JP/挨拶.bas" >"$JP/sjis.bas"
"$TESSC" build "$JP/挨拶.bas" -o "$WORK/native.exe" --runtime "$WIN_DIR/runtime.exe"
"$TESSC" image "$JP/挨拶.bas" -o "$WORK/native.img"
wine_tessc "$BINW" build "$(win "$JP/挨拶.bas")" -o "$(win "$JP/挨拶.exe")"
cmp -s "$JP/挨拶.exe" "$WORK/native.exe"
check "tessc.exe build (Japanese path, runtime.exe beside it) gives the same exe as tessc" $? "$(cat "$BINW/err")"
cmp -s "$JP/挨拶.map" "$WORK/native.map" || diff <(sed 1,3d "$JP/挨拶.map") <(sed 1,3d "$WORK/native.map") >/dev/null
check "and the same map" $? "$(diff "$JP/挨拶.map" "$WORK/native.map" | head -5)"
wine_tessc "$BINW" image "$(win "$JP/sjis.bas")" -o "$(win "$JP/sjis.img")" --sjis
status=$?
cmp -s "$JP/sjis.img" "$WORK/native.img"
check "a Shift-JIS source with --sjis gives the same image" $? \
  "$(cat "$BINW/err"; echo "status $status"; cmp "$JP/sjis.img" "$WORK/native.img" 2>&1)"
wine_tessc "$BINW" dump "$(win "$JP/挨拶.exe")"
"$TESSC" dump "$WORK/native.exe" >"$WORK/native.dump"
cmp -s <(iconv -f CP932 -t UTF-8 "$BINW/out" | tr -d '\r') "$WORK/native.dump"
check "tessc.exe dump lists (in code page 932) what tessc dump lists" $? "$(diff <(iconv -f CP932 -t UTF-8 "$BINW/out" | tr -d '\r') "$WORK/native.dump" | head)"
TESSALY_TRANSCRIPT="$(win "$JP/run.transcript")" timeout 30 wine "$JP/挨拶.exe" >/dev/null 2>&1 </dev/null
[ "$(iconv -f CP932 -t UTF-8 "$JP/run.transcript")" = "$(printf 'こんにちは\n 1 回\n 2 回\n 3 回')" ]
check "the program built by tessc.exe runs" $? "$(cat "$JP/run.transcript")"

# Errors and warnings with the file's place; nothing written.
printf 'PRINT 1 +\n' >"$JP/bad.bas"
wine_tessc "$BINW" build "$(win "$JP/bad.bas")" -o "$(win "$JP/bad.exe")"
status=$?
[ "$status" = 1 ] && [ "$(tr -d '\r' <"$BINW/err" | iconv -f CP932 -t UTF-8)" = "$(win "$JP/bad.bas"):1:10: expected an operand after '+'" ] && [ ! -e "$JP/bad.exe" ]
check "tessc.exe names a source error with its Windows path, line and column" $? "$status $(cat "$BINW/err")"
cp "$JP/bad.bas" "$JP/keep.bas"
wine_tessc "$BINW" build "$(win "$JP/bad.bas")" -o "$(win "$JP/BAD.BAS")"
status=$?
[ "$status" = 1 ] && cmp -s "$JP/bad.bas" "$JP/keep.bas" && grep -q "nothing written" "$BINW/err"
check "tessc.exe refuses an output that is the source under another spelling" $? "$status $(cat "$BINW/err")"

# --- rebinding a program whose runtime part is foreign bytes --------------------------
printf 'MZ these bytes are no runtime at all\n' >"$WORK/foreign.exe"
printf 'PRINT "rebound"\n' >"$WORK/moved.bas"
"$TESSC" build "$WORK/moved.bas" -o "$WORK/old.exe" --runtime "$WORK/foreign.exe"
rm -f "$WORK/old.map"
wine_tessc "$BINW" build "$(win "$WORK/old.exe")" -o "$(win "$WORK/new.exe")"
tail_len=$(( $(stat -c %s "$WORK/old.exe") - $(stat -c %s "$WORK/foreign.exe") ))
cmp -s <(head -c "$(stat -c %s "$WIN_DIR/runtime.exe")" "$WORK/new.exe") "$WIN_DIR/runtime.exe" &&
  cmp -s <(tail -c "$tail_len" "$WORK/new.exe") <(tail -c "$tail_len" "$WORK/old.exe")
check "tessc.exe build OLD.exe binds its image to the runtime beside it" $? "$(cat "$BINW/err")"
TESSALY_TRANSCRIPT="$(win "$WORK/new.transcript")" timeout 30 wine "$WORK/new.exe" >/dev/null 2>&1 </dev/null
[ "$(cat "$WORK/new.transcript")" = "rebound" ]
check "the rebound program runs" $? "$(cat "$WORK/new.transcript" 2>/dev/null)"

# --- tessc run: the diagnostic in the terminal, the source line in the box -------------
cat >"$WORK/fail.bas" <<'SRC'
PRINT "start"
  RETURN
SRC
want='fail.bas:2:3: runtime error 6: RETURN without GOSUB
  RETURN
  ^'
# press_box LOG: waits for the error box of whichever process, reports it, presses OK.
press_box() { tess_drive 60 "$1" wait-dialog "$(printf 'エラー')" 30000 dialog-text 0xFFFF press 1; }
(cd "$WORK" && "$TESSC" run fail.bas >run.out 2>run.err; echo $? >run.status) &
press_box "$WORK/box.log"
wait
[ "$(cat "$WORK/run.status")" = 1 ] && [ "$(cat "$WORK/run.err")" = "$want" ]
check "tessc run prints the runtime diagnostic with the source line and a caret, status 1" $? "$(cat "$WORK/run.status" "$WORK/run.err" "$WORK/box.log" 2>&1)"
box_text="$(iconv -f CP932 -t UTF-8 "$WORK/box.log" | tr -d '\r')"
grep -q '^dialog-text プログラム内でエラーが起きました$' <<<"$box_text" && grep -qx 'fail.bas:2:3: runtime error 6: RETURN without GOSUB' <<<"$box_text" && grep -qx '  RETURN' <<<"$box_text"
check "with a map the box shows the failing line under its fixed text" $? "$box_text"
cp "$WORK/fail.bas" "$BINW/fail.bas"
(wine_tessc "$BINW" run fail.bas; echo $? >"$BINW/run.status") &
press_box "$WORK/box2.log"
wait
[ "$(cat "$BINW/run.status")" = 1 ] && [ "$(tr -d '\r' <"$BINW/err")" = "$want" ]
check "tessc.exe run does the same on Windows" $? "$(cat "$BINW/run.status" "$BINW/err" "$WORK/box2.log" 2>&1)"
# Released without the map: the fixed box alone.
"$TESSC" build "$WORK/fail.bas" -o "$WORK/released.exe" --runtime "$WIN_DIR/runtime.exe"
rm -f "$WORK/released.map"
(cd "$WORK" && timeout 60 wine released.exe >/dev/null 2>&1 </dev/null) &
press_box "$WORK/box3.log"
wait
[ "$(iconv -f CP932 -t UTF-8 "$WORK/box3.log" | tr -d '\r' | grep '^dialog-text')" = "dialog-text プログラム内でエラーが起きました" ]
check "without a map the box is exactly the fixed one" $? "$(iconv -f CP932 -t UTF-8 "$WORK/box3.log")"

# --- the release package ------------------------------------------------------------------
zip="$("$ROOT/scripts/dist.sh" 2>/dev/null | tail -1)"
[ "$zip" = "$BUILD/dist/tessaly-$VERSION-win64.zip" ] && [ -f "$zip" ]
check "./tessaly dist makes tessaly-$VERSION-win64.zip" $? "$zip"
UNPACK="$WORK/empty folder"; mkdir -p "$UNPACK"
(cd "$UNPACK" && unzip -q "$zip")
PKG="$UNPACK/tessaly-$VERSION-win64"
for f in runtime.exe filedlg.exe tessc.exe language.md tessc.md README.txt examples/hello.bas; do
  [ -f "$PKG/$f" ] || { false; break; }
done
check "the package holds the programs, the references, the examples and the README" $? "$(cd "$UNPACK" && find . | head -20)"
wine_tessc "$PKG" build 'examples\hello.bas' -o hello.exe
[ -f "$PKG/hello.exe" ] && [ -f "$PKG/hello.map" ]
check "tessc.exe from the package builds an example there" $? "$(cat "$PKG/err")"
# It waits for a key at its end: the driver presses one once the goodbye is shown.
TESSALY_TRANSCRIPT="$(win "$PKG/hello.transcript")" tess_drive 60 "$WORK/hello.log" \
  start "$(win "$PKG/hello.exe")" "" wait-window VudEvir 10000 sleep 1500 type x wait-exit 10000
iconv -f CP932 -t UTF-8 "$PKG/hello.transcript" 2>/dev/null | grep -qx 'さようなら / goodbye' && grep -q '^exit 0 after' "$WORK/hello.log"
check "and the example runs (and ends at a key)" $? "$(cat "$PKG/hello.transcript" "$WORK/hello.log" 2>/dev/null)"

# --- ./tessaly run and tessc run on a display -----------------------------------------------
# cancel_file_dialog NAME COMMAND...: runs the command in WORK (output in NAME.out,
# NAME.err, status in NAME.status) while the driver waits for the "開く" dialog and
# presses Cancel (its lines in NAME-dialog.log).
cancel_file_dialog() {
  local name="$1"; shift
  (cd "$WORK" && timeout 120 "$@" >"$name.out" 2>"$name.err"; echo $? >"$name.status") &
  tess_drive 60 "$WORK/$name-dialog.log" wait-dialog "開く" 30000 press 2
  wait
  pkill -f '/tune_and_print.exe' 2>/dev/null  # only if the dialog never came
  LC_ALL=C grep -qF "dialog $(cp932 開く) owner=" "$WORK/$name-dialog.log" && [ "$(cat "$WORK/$name.status")" = 0 ]
}
dialog_story() { cat "$WORK/$1-dialog.log" "$WORK/$1.status" "$WORK/$1.out"; tail -5 "$WORK/$1.err"; }

# A person runs the example that asks for a file: the dialog opens (filedlg.exe is
# put beside the program), Cancel ends the program, the run prints its console
# text and leaves alone the wineserver it did not start.
cancel_file_dialog tessaly-run "$ROOT/tessaly" run "$ROOT/examples/tune_and_print.bas"
opened=$?
wineserver -p 2>/dev/null; server_kept=$?
[ "$opened" = 0 ] && [ "$(tail -1 "$WORK/tessaly-run.out")" = "キャンセルされました" ] && [ "$server_kept" = 2 ]
check "./tessaly run opens a program's file dialog and keeps the wineserver it found" $? \
  "$(dialog_story tessaly-run; echo "wineserver -p: $server_kept")"

# tessc run the same: the program finds filedlg.exe in its temporary folder, and
# the folder is gone afterwards.
# (TMPDIR stays as it is: Wine keeps its server's socket there.)
run_folders() { ls -d "${TMPDIR:-/tmp}"/tessc-run-* 2>/dev/null | sort; }
folders_before="$(run_folders)"
cancel_file_dialog tessc-run "$TESSC" run "$ROOT/examples/tune_and_print.bas" && [ "$(run_folders)" = "$folders_before" ]
check "tessc run gives the program the file dialog and leaves no folder behind" $? "$(dialog_story tessc-run; run_folders)"

finish "toolchain tests"
