#!/usr/bin/env bash
# Japanese text on a Japanese and on a non-Japanese system: the same program and
# the same UI driver steps run under LC_ALL=ja_JP.UTF-8 (code page 932) and under
# LC_ALL=C.UTF-8 (code page 1252), and everything must come out the same: the
# title, control and list texts and the message box as the driver reads them
# with the W functions (Wine keeps a menu inside its process: its texts are read
# by the program and seen in the picture), the program's own transcript (texts
# sent and read back, menu strings, typed characters, clipboard, environment, a
# started program's parameters, file operations on Japanese names), the files
# on disk (UTF-8 names on the Linux side), the clipboard's bytes and its UTF-16
# text, filedlg's filter and chosen path, and a picture of the screen with the
# window, its menu, the message box and the console.
# One Wine prefix and server serve both: Wine takes each process's code page
# from its LC_ALL. Expects the Wine world of scripts/env.sh to be running.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/locale-tests"
RUN="$WORK/run"  # every run in the same place, so the paths it prints agree
rm -rf "$WORK"; mkdir -p "$WORK"
LOCALES=(ja_JP.UTF-8 C.UTF-8)
WINDOW="NORMAL=窓の題名" PARTS="NORMAL=部品"  # driver arguments are UTF-8, as Linux hands them over

"$BIN_DIR/tessc" build "$ROOT/tests/gui/locale/japanese.bas" -o "$WORK/japanese.exe" --runtime "$WIN_DIR/runtime.exe" >/dev/null &&
  "$BIN_DIR/tessc" build "$ROOT/tests/gui/locale/child.bas" -o "$WORK/child.exe" --runtime "$WIN_DIR/runtime.exe" --hidden >/dev/null ||
  { echo "cannot build the locale programs"; exit 1; }

# run_in LOCALE: the program under the driver in that locale; the screen is
# photographed while the message box is up, when the driver has read everything
# (the driver waits for the photograph before it presses OK). Results go to WORK/LOCALE.
run_in() {
  local locale="$1" out="$WORK/$1"
  rm -rf "$RUN" "$out"; mkdir -p "$RUN" "$out"
  cp "$WORK/japanese.exe" "$WORK/child.exe" "$RUN/"
  local t; t="$(winepath -w "$RUN/transcript.txt")"
  (cd "$RUN" && LC_ALL="$locale" TESSALY_TRANSCRIPT="$RUN/transcript.txt" tess_drive 120 "$RUN/driver.log" \
    start "$(winepath -w "$RUN/japanese.exe")" "引数 あ" \
    answer 日本 15000 wait-text "$t" ready 10000 \
    title "$WINDOW" controls "$PARTS" items "$PARTS" 102 \
    chars "$WINDOW" あ wait-text "$t" chars 5000 \
    wait-box 10000 wait-text "$t" child 10000 clipboard clipboard-bytes \
    wait-text "$(winepath -w "$RUN/photographed")" yes 30000 press 1 wait-exit 10000) &
  local driver=$!
  for _ in $(seq 600); do
    grep -q '^clipboard-bytes' "$RUN/driver.log" 2>/dev/null && break
    kill -0 "$driver" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1  # the last paint of the box
  import -window root "$out/screen.png" 2>/dev/null
  echo yes >"$RUN/photographed"
  wait "$driver"
  cp "$RUN/driver.log" "$RUN/transcript.txt" "$out/" 2>/dev/null
  # filedlg saving under a Japanese name with a Japanese filter; the dialog
  # itself speaks the system's language.
  local save_title="名前を付けて保存"; [ "$locale" = ja_JP.UTF-8 ] || save_title="Save As"
  (cd "$RUN" && LC_ALL="$locale" tess_drive 60 "$out/filedlg.log" \
    dummy "DummyWindow for FileOpenDialog" start "$(winepath -w "$WIN_DIR/filedlg.exe")" "-S -Dtxt 日本語の文書/*.txt/" \
    wait-dialog "$save_title" 10000 dialog-text 0x470 file-name "$(winepath -w "$RUN")\\日本語フォルダ\\保存" press 1 \
    wait-exit 10000 dummy-state clipboard clipboard-bytes)
  grep -av '^dialog \|^exit' "$out/filedlg.log" >"$out/filedlg-texts.log" 2>/dev/null
  (cd "$RUN" && find . -path './*.exe' -prune -o -type f -print | LC_ALL=C sort) >"$out/files.txt"
  cp "$RUN/$(printf '日本語フォルダ')/名前.txt" "$out/content.bin" 2>/dev/null
}

for locale in "${LOCALES[@]}"; do run_in "$locale"; done

# The runtime's conversion (tests/tools/cp932dump) against the system's own code
# page 932 conversion, asked under each locale.
"$BIN_DIR/cp932dump" "$WORK/runtime-cp932.txt"
for locale in "${LOCALES[@]}"; do
  LC_ALL="$locale" tess_drive 60 "$WORK/$locale/cp932-dump.log" cp932-dump "$(winepath -w "$WORK/$locale/system-cp932.txt")"
done
JA="$WORK/${LOCALES[0]}" C="$WORK/${LOCALES[1]}"
both() { cat "$JA/$1" "$C/$1" 2>/dev/null; }
same() { [ -s "$JA/$1" ] && cmp -s "$JA/$1" "$C/$1"; }
# The driver's lines but the time the program took to end.
same_log() { [ -s "$JA/driver.log" ] && cmp -s <(grep -av '^exit' "$JA/driver.log") <(grep -av '^exit' "$C/driver.log"); }
has() { LC_ALL=C grep -qxF "$(cp932 "$2")" "$3/$1" 2>/dev/null; }
in_both() { has "$1" "$2" "$JA" && has "$1" "$2" "$C"; }

same_log && in_both driver.log "title 窓の題名"
check "the window's title reads back the same under both locales" $? "$(both driver.log)"
in_both driver.log "controls 押す||編集の文字" && in_both driver.log "items りんご|ﾊﾝｶｸ表"
check "the button, the edit control and the list box items read back the same" $? "$(both driver.log)"
in_both driver.log "box 題名|日本語のメッセージ"
check "the message box's title and text read back the same" $? "$(both driver.log)"
in_both driver.log "clipboard クリップボードの文字" && in_both driver.log "clipboard-bytes クリップボードの文字"
check "the clipboard holds the text as UTF-16 and as code page 932 bytes under both locales" $? "$(both driver.log)"

same transcript.txt
check "the program prints the same bytes under both locales" $? "$(diff <(iconv -f CP932 -t UTF-8 "$JA/transcript.txt") <(iconv -f CP932 -t UTF-8 "$C/transcript.txt"))"
in_both transcript.txt "title 窓の題名" && in_both transcript.txt "menu 開く(&O)|ファイル(&F)" &&
  in_both transcript.txt "texts 編集の文字|編|ﾊﾝｶｸ表  10  2  6"
check "texts sent to windows come back: the title, menu strings, WM_GETTEXT cut at a character, LB_GETTEXT; counts in bytes" $? "$(both transcript.txt)"
in_both transcript.txt "clip クリップボードの文字" && in_both transcript.txt "env 環境の値" &&
  in_both transcript.txt "command 引数 あ" && in_both transcript.txt "child 引数 ｶﾅ|環境の値"
check "clipboard, environment, the command line and a started program's parameters and environment" $? "$(both transcript.txt)"
in_both transcript.txt "typed 日本" && in_both transcript.txt "chars 130 160"
check "typed characters arrive as code page 932 bytes: a console input, and two WM_CHAR events for one character" $? "$(both transcript.txt)"
in_both transcript.txt "file ソ" && in_both transcript.txt "名前.txt"
check "open, write, copy, kill, rename, read and list files in a directory with Japanese names" $? "$(both transcript.txt)"

FILE_CHOSEN="$(winepath -w "$RUN")\\日本語フォルダ\\保存.txt"
same filedlg-texts.log && in_both filedlg.log "dialog-text 日本語の文書" && in_both filedlg.log "clipboard $FILE_CHOSEN" &&
  in_both filedlg.log "clipboard-bytes $FILE_CHOSEN" && in_both filedlg.log "dummy closed"
check "filedlg: a Japanese filter shows, a Japanese file name comes back on the clipboard as UTF-16 and as bytes" $? "$(both filedlg.log)"

same files.txt && grep -qxF "./日本語フォルダ/名前.txt" "$JA/files.txt" && [ "$(od -An -tx1 "$JA/content.bin" | tr -d ' ')" = "835c0d0a" ] &&
  cmp -s "$JA/content.bin" "$C/content.bin"
check "files on disk have the same UTF-8 names and bytes under both locales" $? "$(both files.txt)"

cmp -s "$WORK/runtime-cp932.txt" "$JA/system-cp932.txt" && cmp -s "$WORK/runtime-cp932.txt" "$C/system-cp932.txt"
check "the runtime's code page 932 conversion is the system's: every byte, every lead byte pair, every UTF-16 unit" $? \
  "$(diff "$WORK/runtime-cp932.txt" "$JA/system-cp932.txt" | head -8)"

pixels="$(compare -metric AE "$JA/screen.png" "$C/screen.png" null: 2>&1)"
[ -s "$JA/screen.png" ] && [ "$pixels" = 0 ]
check "the screen with the window, its menu and the message box is the same picture under both locales" $? "pixels differing: $pixels"

finish "locale tests"
