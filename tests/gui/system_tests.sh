#!/usr/bin/env bash
# The system, sound and printer statements and filedlg under Wine, through the
# real devices: the clipboard between processes and its first-format rule, the
# shell starting a program with parameters and the environment it inherits, MCI
# with its notification, music without a MIDI device and on the logging test
# device (tests/gui/midilog), the printer on the CUPS PDF queue of
# scripts/printer.sh (skipped without CUPS), filedlg and the print-setup dialog
# driven by the UI driver, and the example tune_and_print. Expects the Wine
# world of scripts/env.sh to be running.
set -uo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/env.sh"
source "$ROOT/tests/gui/common.sh"
WORK="$BUILD/system-tests"
rm -rf "$WORK"; mkdir -p "$WORK"


# app NAME SOURCE-TEXT [TESSC-OPTIONS]: a runtime.exe with the program appended, in WORK.
app() {
  printf '%s' "$2" >"$WORK/$1.bas"
  "$BIN_DIR/tessc" build "$WORK/$1.bas" -o "$WORK/$1.exe" --runtime "$WIN_DIR/runtime.exe" "${@:3}" >"$WORK/$1.tessc" 2>&1
}
# run NAME [ARGS]: runs NAME.exe (in WORK, or EXE_DIR when set) to its end (boxes answered with OK);
# transcript in NAME.transcript, driver log in NAME.log.
run() {
  local exe="${EXE_DIR:-$WORK}/$1.exe"
  rm -f "$WORK/$1.transcript"
  TESSALY_TRANSCRIPT="$WORK/$1.transcript" tess_drive 60 "$WORK/$1.log" start "$(winepath -w "$exe")" "${2:-}" run-to-end 20000
}
# drive LOG DRIVER-COMMANDS...: the UI driver writing to LOG.
drive() { tess_drive 90 "$@"; }
transcript_has() { LC_ALL=C grep -qxF "$2" "$WORK/$1.transcript" 2>/dev/null; }
log_has() { LC_ALL=C grep -qF "$2" "$WORK/$1.log" 2>/dev/null; }
details() { cat "$WORK/$1.log" "$WORK/$1.transcript" "$WORK/$1.tessc" 2>/dev/null; }
ERROR_BOX="box $(printf '%s' 'エラー|プログラム内でエラーが起きました' | iconv -t CP932)"

# Clipboard: one program sets it, another reads it; the driver reads it too.
app clip_set 'CLIPBOARD "round " + "trip"
'
app clip_get 'PRINT "[" + CLIPBOARD$ + "]"
'
run clip_set && run clip_get
transcript_has clip_get "[round trip]"
check "clipboard text set by one program is read by another" $? "$(details clip_get)"
app clip_empty 'CLIPBOARD ""
'
run clip_empty && run clip_get
transcript_has clip_get "[]"
check "an empty clipboard text replaces the contents" $? "$(details clip_get)"

# The first-format rule: the clipboard's text is read only when a text format
# was put there first (the driver puts text and a bitmap, in either order).
drive "$WORK/clip_text_first.log" clipboard-set text-first "text before a bitmap"
run clip_get
transcript_has clip_get "[text before a bitmap]"
check "clipboard text is read when it is the first format" $? "$(details clip_get)"
drive "$WORK/clip_bitmap_first.log" clipboard-set bitmap-first "text after a bitmap"
run clip_get
transcript_has clip_get "[]"
check "clipboard text is not read when a bitmap came first" $? "$(details clip_get)"

# Nothing is held forever: short threads one after another, then 70,000 images
# made and forgotten by CLEAR in batches of 1,000 (tests/gui/system/churn.bas);
# the program still runs at the end, with no error box. A thread start costs
# Wine about a millisecond, so the suite starts 10,000 threads
# (TESS_CHURN_THREADS=100000 for the full count).
"$BIN_DIR/tessc" build "$ROOT/tests/gui/system/churn.bas" -o "$WORK/churn.exe" --runtime "$WIN_DIR/runtime.exe" >"$WORK/churn.tessc" 2>&1
churn_start=$(date +%s)
CHURN_THREADS="${TESS_CHURN_THREADS:-10000}" TESSALY_TRANSCRIPT="$WORK/churn.transcript" tess_drive 300 "$WORK/churn.log" \
  start "$(winepath -w "$WORK/churn.exe")" "" run-to-end 280000
churn_seconds=$(($(date +%s) - churn_start))
transcript_has churn "threads  ${TESS_CHURN_THREADS:-10000}" && transcript_has churn "images  70000 -1  1" && log_has churn "exit 0" &&
  ! log_has churn "$ERROR_BOX"
check "${TESS_CHURN_THREADS:-10000} threads and 70,000 images made and forgotten: the program still runs (${churn_seconds}s)" $? "$(details churn)"

# Shell open: the parent sets the environment and starts a child (a bare name,
# found in the parent's directory) with parameters; the child reports both.
app child 'PRINT "args=" + COMMAND$
PRINT "env=" + ENVIRON$("TESS_SHELL_TEST")
'
app parent 'SETENV "TESS_SHELL_TEST", "inherited"
SETENV "TESSALY_TRANSCRIPT", ENVIRON$("CHILD_TRANSCRIPT")
SHELL "child.exe", "alpha beta"
PRINT "started"
'
rm -f "$WORK/child.transcript"
CHILD_TRANSCRIPT="$(winepath -w "$WORK/child.transcript")" run parent
for _ in $(seq 50); do [ -s "$WORK/child.transcript" ] && grep -q '^env=' "$WORK/child.transcript" && break; sleep 0.2; done
transcript_has parent "started" && transcript_has child "args=alpha beta" && transcript_has child "env=inherited"
check "shell open starts a program with parameters and the set environment" $? "$(details parent; details child)"
# A name holding a backslash is used as it is (not joined to the current
# directory): the child's full path, from a program in another directory.
app parent_path 'SETENV "TESSALY_TRANSCRIPT", ENVIRON$("CHILD_TRANSCRIPT")
SHELL ENVIRON$("CHILD_EXE"), "by path"
'
rm -f "$WORK/child.transcript"; mkdir -p "$WORK/elsewhere"; mv "$WORK/parent_path.exe" "$WORK/elsewhere/"
CHILD_EXE="$(winepath -w "$WORK/child.exe")" CHILD_TRANSCRIPT="$(winepath -w "$WORK/child.transcript")" EXE_DIR="$WORK/elsewhere" \
  run parent_path
for _ in $(seq 50); do [ -s "$WORK/child.transcript" ] && grep -q '^env=' "$WORK/child.transcript" && break; sleep 0.2; done
transcript_has child "args=by path"
check "shell open of a full path starts that program" $? "$(details parent_path; details child)"

# MCI: the notify variable becomes 1; an unknown command is a runtime error.
app mci_notify 'DONE = 0
MCI "open new type waveaudio alias w notify", DONE
N = 0
WHILE DONE = 0 AND N < 1000
  WAIT 10
  N = N + 1
WEND
PRINT DONE
MCI "close w"
'
run mci_notify
transcript_has mci_notify " 1"
check "MCI notify sets the variable to 1" $? "$(details mci_notify)"
# Without the notify flag in the command nothing is posted, variable or not.
app mci_quiet 'DONE = 0
MCI "open new type waveaudio alias q", DONE
WAIT 1000
PRINT DONE
MCI "close q"
'
run mci_quiet
transcript_has mci_quiet " 0"
check "MCI without the notify flag leaves the variable alone" $? "$(details mci_quiet)"
app mci_error 'MCI "frobnicate everything"
PRINT "not reached"
'
run mci_error
log_has mci_error "$ERROR_BOX" && ! transcript_has mci_error "not reached" && LC_ALL=C grep -q 'MCI Error:' "$WORK/mci_error.transcript"
check "an MCI error ends the run" $? "$(details mci_error)"

# Music: no MIDI device under Wine here, so the first note is the runtime error;
# the alloc form needs no device.
app music 'PLAY ALLOC
PRINT "alloc ok"
PLAY "T120 C8"
PRINT "not reached"
'
run music
transcript_has music "alloc ok" && log_has music "$ERROR_BOX" && ! transcript_has music "not reached"
check "music without a MIDI device is a runtime error" $? "$(details music)"

# Music through the test MIDI device (tests/gui/midilog): a winmm.dll beside the
# program logs every short message with its time in ms; the rest of winmm is a
# renamed copy of the system's own. Times are checked within a tolerance: Sleep
# under Wine on a busy machine oversleeps, never undersleeps.
SYSTEM_WINMM=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows/winmm.dll
MIDI_DIR="$WORK/midi"
# midi_run NAME SOURCE-TEXT: builds and runs the program beside the logging
# device; the log is MIDI_DIR/NAME.midi.
midi_run() {
  app "$1" "$2" && cp "$WORK/$1.exe" "$MIDI_DIR/"
  TESS_MIDI_LOG="$(winepath -w "$MIDI_DIR/$1.midi")" WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n" EXE_DIR="$MIDI_DIR" run "$1"
}
# notes LOG CHANNEL: one line per note of the channel: "note velocity on-ms off-ms".
notes() {
  awk -v status=$((144 + $2)) '$2 == status && $4 > 0 { on[$3] = $1; vel[$3] = $4 }
    $2 == status && $4 == 0 { print $3, vel[$3], on[$3], $1 }' "$1"
}
# durations_match NOTES EXPECTED: EXPECTED is "note ms" per line; each note's
# length must be within -5..+90 ms of it.
durations_match() {
  awk 'NR == FNR { want[NR] = $1; ms[NR] = $2; n = NR; next }
    { got++; d = $4 - $3; if ($1 != want[got] || d < ms[got] - 5 || d > ms[got] + 90) bad = 1 }
    END { exit !(got == n && !bad) }' <(printf '%s\n' "$2") <(printf '%s\n' "$1")
}
if [ -f "$WIN_DIR/midilog/winmm.dll" ] && [ -f "$SYSTEM_WINMM" ]; then
  mkdir -p "$MIDI_DIR"
  cp "$WIN_DIR/midilog/winmm.dll" "$MIDI_DIR/winmm.dll"
  cp "$SYSTEM_WINMM" "$MIDI_DIR/winmm_wine.dll"

  # One voice: lengths, dots, ties, rests, octaves, accidentals, lower case, an
  # instrument change, T0 leaving the quarter time as it was, and a note above
  # 127 sent unchanged.
  midi_run tune 'PLAY "T120 O4 C D8 E8. F4^8 P4 G2 @3 a+ b-16 T0 C O9 B64"
PRINT "played"
'
  played="$(notes "$MIDI_DIR/tune.midi" 0)"
  transcript_has tune played && durations_match "$played" '60 500
62 250
64 375
65 750
67 1000
70 500
70 125
60 500
131 31'
  check "music: notes and lengths at T120 (quarter 500 ms, dotted, tied, T0 unchanged, a note above 127 as it is)" $? \
    "$played"$'\n'"$(cat "$MIDI_DIR/tune.midi"; details tune)"
  awk '{ print $2 }' <<<"$played" | sort -u | grep -qx 96 && [ "$(awk '{ print $2 }' <<<"$played" | sort -u | wc -l)" = 1 ] &&
    awk 'prev != "" { gap = $3 - prev } $1 == 67 { exit !(gap >= 495 && gap <= 590) } { prev = $4 }' <<<"$played"
  check "music: velocity 96 on every note, and the rest P4 is a silent quarter" $? "$played"
  # The first music statement opens the device and sets every channel to the
  # instrument of tone 0 (program 6); @3 then sends program 4 on channel 0,
  # after G and before A+; the run's end closes the device.
  awk '$2 >= 192 && $2 <= 199 && $3 == 6 { opening++ } $2 == 192 && $3 == 4 { changed = NR }
    $2 == 144 && $3 == 67 && $4 == 0 { g_off = NR } $2 == 144 && $3 == 70 && $4 > 0 && !a_on { a_on = NR }
    END { exit !(opening == 8 && changed > g_off && changed < a_on) }' "$MIDI_DIR/tune.midi" &&
    [ "$(head -1 "$MIDI_DIR/tune.midi" | cut -d' ' -f2)" = open ] && [ "$(tail -1 "$MIDI_DIR/tune.midi" | cut -d' ' -f2)" = close ]
  check "music: the device opens, program 6 on all channels, @3 through the instrument table, closed at the end" $? \
    "$(cat "$MIDI_DIR/tune.midi")"

  # Two voices at once, each on its channel; the statement returns when the
  # longer has ended (the count of playing voices reaches 0), and tempo, octave
  # and instrument persist per voice into the next statement.
  midi_run voices 'PLAY "T60 C", "O5 @1 E"
PLAY "D", "E"
PRINT "both"
'
  v0="$(notes "$MIDI_DIR/voices.midi" 0)"; v1="$(notes "$MIDI_DIR/voices.midi" 1)"
  transcript_has voices both && durations_match "$v0" $'60 1000\n62 1000' && durations_match "$v1" $'76 500\n76 500' &&
    awk 'NR == 1 { a = $3 } NR == 2 { b = $3 } END { exit !(b - a >= 995) }' <<<"$v1" &&
    [ "$(awk '$2 == 193 && $3 == 63' "$MIDI_DIR/voices.midi" | wc -l)" = 1 ] &&
    [ "$(grep -c ' open$' "$MIDI_DIR/voices.midi")" = 1 ]
  check "music: two voices on channels 0 and 1, the statement waits for the longer, voice settings and the device persist" $? \
    "$v0"$'\n--\n'"$v1"$'\n'"$(cat "$MIDI_DIR/voices.midi")"

  # The music statement waits without the interpreter lock: another execution
  # thread counts (about every 100 ms) through a two-second whole note.
  midi_run busy 'ticks = 0
playing = 1
THREAD *counter
PLAY "T120 C1"
playing = 0
PRINT "ticks"; ticks
END
*counter
WHILE playing = 1
  ticks = ticks + 1
  WAIT 100
WEND
'
  ticks="$(awk '$1 == "ticks" { print $2 }' "$WORK/busy.transcript" 2>/dev/null)"
  durations_match "$(notes "$MIDI_DIR/busy.midi" 0)" '60 2000' && [ "${ticks:-0}" -ge 10 ]
  check "music: other execution threads run while the music plays" $? "ticks=$ticks $(details busy; cat "$MIDI_DIR/busy.midi")"

  midi_run empty 'PLAY
PLAY ""
PRINT "returned"
'
  transcript_has empty returned && [ -z "$(notes "$MIDI_DIR/empty.midi" 0)" ]
  check "music: an empty argument text or an empty string plays nothing and returns" $? "$(details empty; cat "$MIDI_DIR/empty.midi")"

  midi_run nine 'PLAY "C", "C", "C", "C", "C", "C", "C", "C", "C"
PRINT "not reached"
'
  log_has nine "$ERROR_BOX" && ! transcript_has nine "not reached" && [ -z "$(notes "$MIDI_DIR/nine.midi" 0 2>/dev/null)" ]
  check "music: a ninth voice string is a runtime error before anything plays" $? "$(details nine; cat "$MIDI_DIR/nine.midi")"

  # MCI still reaches the system's winmm through the forwarding DLL.
  cp "$WORK/mci_notify.exe" "$MIDI_DIR/"
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n" EXE_DIR="$MIDI_DIR" run mci_notify
  transcript_has mci_notify " 1"
  check "MCI notify works beside the logging MIDI device (winmm forwarded)" $? "$(details mci_notify)"
else
  skip "music through the logging MIDI device" "no $WIN_DIR/midilog/winmm.dll or no $SYSTEM_WINMM"
fi

# Printer: the CUPS PDF queue of scripts/printer.sh as the default printer; each
# document lands as a PDF in TESS_PDF_DIR.
source "$ROOT/scripts/printer.sh"
# A Latin face with the ANSI character set prints text that pdftotext reads back.
LATIN=(--font "Liberation Mono" --point-size 12 --charset 0)
clear_pdfs() { rm -f "$TESS_PDF_DIR"/*.pdf; }
# The PDFs in the order of their print jobs (the job number is in the name).
pdfs() { ls "$TESS_PDF_DIR"/*.pdf 2>/dev/null | sed 's/.*job_\([0-9]*\).*/\1 &/' | sort -n | cut -d' ' -f2-; }
# wait_pdfs N: until N documents are complete (pdfinfo reads each), at most 15 s.
wait_pdfs() {
  local _ f ready
  for _ in $(seq 75); do
    if [ "$(pdfs | wc -l)" -ge "$1" ]; then
      ready=1
      for f in $(pdfs); do pdfinfo "$f" >/dev/null 2>&1 || ready=0; done
      [ "$ready" = 1 ] && return 0
    fi
    sleep 0.2
  done
  return 1
}
pdf_n() { pdfs | sed -n "${1}p"; }
pdf_field() { pdfinfo "$1" 2>/dev/null | sed -n "s/^$2: *//p"; }
pdf_text() { pdftotext -layout "$1" - 2>/dev/null; }
# word_box PDF WORD: "xMin yMin" of the word's first occurrence, in points.
word_box() {
  pdftotext -bbox "$1" - 2>/dev/null | sed -n "s/.*xMin=\"\([0-9.]*\)\" yMin=\"\([0-9.]*\)\".*>$2<\/word>.*/\1 \2/p" | head -1
}
pdf_details() { local f; for f in $(pdfs); do echo "== $f"; pdfinfo "$f"; pdf_text "$f"; done; }

PRINTER_READY=0
if tess_start_printer; then
  # Documents: a form feed ends the first (the bytes after it are dropped); the
  # page still open when the program ends is printed at shutdown. Two statements,
  # the first ending with ';', print side by side; an empty one advances a line.
  clear_pdfs
  app printer 'LPRINT "first ";
LPRINT "line"
LPRINT "second"
LPRINT
LPRINT "fourth" + CHR$(12) + "dropped"
LPRINT "pending"
' "${LATIN[@]}"
  run printer
  wait_pdfs 2; sleep 0.5
  [ "$(pdfs | wc -l)" -eq 2 ] && [ "$(pdf_field "$(pdf_n 1)" Title)" = PrintOut ] && [ "$(pdf_field "$(pdf_n 2)" Title)" = PrintOut ] &&
    [ "$(pdf_field "$(pdf_n 1)" Pages)" = 1 ] && [ "$(pdf_field "$(pdf_n 2)" Pages)" = 1 ]
  check "a form feed ends a document and the pending page prints at the end: two one-page documents named PrintOut" $? \
    "$(details printer; pdf_details)"
  first="$(pdf_text "$(pdf_n 1)")"; second="$(pdf_text "$(pdf_n 2)")"
  grep -q 'first line' <<<"$first" && grep -q 'fourth' <<<"$first" && ! grep -q 'dropped' <<<"$first$second" &&
    ! grep -q 'pending' <<<"$first" && grep -q 'pending' <<<"$second"
  check "printed text: side by side after ';', nothing after the form feed, the rest in the next document" $? "$(pdf_details)"
  read -r x_first y_first <<<"$(word_box "$(pdf_n 1)" first)"
  read -r x_line y_line <<<"$(word_box "$(pdf_n 1)" line)"
  read -r _ y_second <<<"$(word_box "$(pdf_n 1)" second)"
  read -r x_fourth y_fourth <<<"$(word_box "$(pdf_n 1)" fourth)"
  read -r x_pending y_pending <<<"$(word_box "$(pdf_n 2)" pending)"
  awk -v xf="${x_first:-0}" -v yf="${y_first:-0}" -v xl="${x_line:-0}" -v yl="${y_line:-0}" -v ys="${y_second:-0}" \
      -v x4="${x_fourth:-0}" -v y4="${y_fourth:--1}" -v xp="${x_pending:--1}" -v yp="${y_pending:--1}" 'BEGIN {
    h = ys - yf
    ok = h > 5 && yl == yf && xl > xf + 20          # same line, further right
    ok = ok && (y4 - ys) > 1.8 * h && (y4 - ys) < 2.2 * h  # the empty statement left one line
    ok = ok && x4 == xf && xp == xf && yp == yf      # left margin; a new document starts at the top
    exit !ok }'
  check "printer lines: one line height per line end, the next document starts at the top left" $? \
    "first=$x_first,$y_first line=$x_line,$y_line second=$y_second fourth=$x_fourth,$y_fourth pending=$x_pending,$y_pending"

  # Japanese text in the console's Japanese face has no text layer to read back:
  # look at the picture. Ink where the line is, none below it.
  clear_pdfs
  app printer_ja 'LPRINT "日本語の印刷を確かめる■■■■"
'
  run printer_ja
  wait_pdfs 1; sleep 0.3
  pdftoppm -r 150 -png -singlefile "$(pdf_n 1)" "$WORK/printer_ja" 2>/dev/null
  # dark REGION: the share of pixels darker than mid-grey (150 dpi page).
  dark() { convert "$WORK/printer_ja.png" -crop "$1" +repage -colorspace Gray -threshold 50% -format '%[fx:1-mean]' info: 2>/dev/null || echo 0; }
  kanji="$(dark 225x26+4+2)"; squares="$(dark 80x20+236+5)"; below="$(dark 1240x1714+0+40)"
  above "$kanji" 0.08 && above "$squares" 0.3 && ! above "$below" 0
  check "Japanese text prints in the console face at the top left of the page" $? "kanji=$kanji squares=$squares below=$below $(details printer_ja; pdf_details)"

  # Choosing the printer while a document is open ends that document first, so
  # its page is printed; an unknown printer name is a runtime error.
  clear_pdfs
  app printer_choose 'LPRINT "before"
PRINTER "PDF"
LPRINT "after"
PRINTER "No such printer"
PRINT "not reached"
' "${LATIN[@]}"
  run printer_choose
  wait_pdfs 2; sleep 0.5
  [ "$(pdfs | wc -l)" -eq 2 ] && pdf_text "$(pdf_n 1)" | grep -q before && ! pdf_text "$(pdf_n 1)" | grep -q after &&
    pdf_text "$(pdf_n 2)" | grep -q after
  check "choosing a printer ends the open document (its page printed) and the next statement starts another" $? \
    "$(details printer_choose; pdf_details)"
  log_has printer_choose "$ERROR_BOX" && ! transcript_has printer_choose "not reached"
  check "choosing a printer that does not exist is a runtime error" $? "$(details printer_choose)"

  # The print-setup dialog (the printer statement without a name), owned by the
  # program's console: OK takes the chosen printer, and like any choice ends
  # the open document first; Cancel changes nothing, so the document goes on.
  app printer_setup 'LPRINT "before"
PRINTER
LPRINT "after"
' "${LATIN[@]}"
  # setup_run NAME BUTTON: runs printer_setup, answering the dialog with the button.
  setup_run() {
    clear_pdfs
    drive "$WORK/$1.log" start "$(winepath -w "$WORK/printer_setup.exe")" "" \
      wait-dialog 印刷設定 10000 dialog-text 0x470 press "$2" run-to-end 20000
  }
  setup_run setup_ok 1
  wait_pdfs 2; sleep 0.5
  log_has setup_ok "dialog $(cp932 印刷設定) owner=program" && log_has setup_ok "dialog-text PDF" && log_has setup_ok "exit 0" &&
    [ "$(pdfs | wc -l)" -eq 2 ] && pdf_text "$(pdf_n 1)" | grep -q before && pdf_text "$(pdf_n 2)" | grep -q after
  check "print setup: the dialog belongs to the program; OK ends the open document and prints on the chosen printer" $? \
    "$(cat "$WORK/setup_ok.log"; pdf_details)"
  setup_run setup_cancel 2
  wait_pdfs 1; sleep 1
  log_has setup_cancel "exit 0" && [ "$(pdfs | wc -l)" -eq 1 ] && pdf_text "$(pdf_n 1)" | grep -q before &&
    pdf_text "$(pdf_n 1)" | grep -q after
  check "print setup: Cancel changes nothing, the open document goes on" $? "$(cat "$WORK/setup_cancel.log"; pdf_details)"

  # No printer at all: the queue is taken away and the prefix forgets it (Wine
  # keeps what it saw in the registry), then everything is put back.
  tess_as_root lpadmin -x PDF 2>/dev/null
  wine reg delete 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device /f >/dev/null 2>&1
  wine reg delete 'HKLM\System\CurrentControlSet\Control\Print\Printers\PDF' /f >/dev/null 2>&1
  app printer_none 'PRINT "before"
LPRINT "x"
PRINT "not reached"
'
  run printer_none
  tess_start_printer >/dev/null 2>&1
  transcript_has printer_none before && log_has printer_none "$ERROR_BOX" && ! transcript_has printer_none "not reached" &&
    LC_ALL=C grep -q 'runtime error 17' "$WORK/printer_none.transcript"
  check "printing without a default printer is runtime error 17" $? "$(details printer_none)"
  PRINTER_READY=1
else
  skip "printer" "no CUPS PDF printer on this machine (scripts/printer.sh; packages in scripts/env.sh)"
fi

# filedlg driven as a person would: the driver makes the dummy window (owned by
# a window of its own), starts filedlg, and answers the dialog; the answer is on
# the clipboard and the dummy window is closed.
if [ -x "$WIN_DIR/filedlg.exe" ]; then
  FD="$WORK/filedlg"; mkdir -p "$FD"; echo chosen >"$FD/chosen.txt"
  DUMMY="DummyWindow for FileOpenDialog"
  OPEN_TITLE="開く"; SAVE_TITLE="名前を付けて保存"
  CANCELLED="$(cp932 '<<キャンセルされました>>')"
  # filedlg_run NAME DUMMY-TITLE ARGS DRIVER-COMMANDS...: log in WORK/NAME.log.
  filedlg_run() {
    local name="$1" dummy="$2" args="$3"; shift 3
    drive "$WORK/$name.log" dummy "$dummy" \
      start "$(winepath -w "$WIN_DIR/filedlg.exe")" "$args" "$@" wait-exit 10000 dummy-state clipboard
  }
  log_line() { LC_ALL=C grep -qxF "$2" "$WORK/$1.log" 2>/dev/null; }

  chosen="$(winepath -w "$FD/chosen.txt")"
  filedlg_run fd_open "$DUMMY" "" wait-dialog "$OPEN_TITLE" 10000 dialog-text 0x470 file-name "$chosen" press 1
  log_line fd_open "dialog $(cp932 "$OPEN_TITLE") owner=dummy" && log_line fd_open "dialog-text $(cp932 'すべてのファイル (*.*)')" &&
    log_line fd_open "clipboard $chosen" && log_line fd_open "dummy closed"
  check "filedlg open: owned by the dummy's owner, all-files filter, the typed path on the clipboard, dummy closed" $? \
    "$(cat "$WORK/fd_open.log")"

  memo="$(winepath -w "$FD/memo")"
  filedlg_run fd_save "$DUMMY" "-S -Dtxt Text files/*.txt/Programs/*.bas/" wait-dialog "$SAVE_TITLE" 10000 dialog-text 0x470 \
    file-name "$memo" press 1
  log_line fd_save "dialog $(cp932 "$SAVE_TITLE") owner=dummy" && log_line fd_save "dialog-text Text files" &&
    log_line fd_save "clipboard $memo.txt" && log_line fd_save "dummy closed"
  check "filedlg save with -Dtxt and a filter: the path gets the default extension" $? "$(cat "$WORK/fd_save.log")"

  filedlg_run fd_bad "$DUMMY" "-X" wait-box 10000 press 1
  log_has fd_bad "box FileOpenDialog|$(cp932 'オプション指定に誤りがあります')" && log_line fd_bad "dummy open" &&
    log_line fd_bad "clipboard $memo.txt"
  check "filedlg reports a bad option and leaves the clipboard and the dummy window alone" $? "$(cat "$WORK/fd_bad.log")"

  filedlg_run fd_cancel "$DUMMY" "-O" wait-dialog "$OPEN_TITLE" 10000 press 2
  log_line fd_cancel "clipboard $CANCELLED" && log_line fd_cancel "dummy closed"
  check "filedlg cancel answers the cancelled text and still closes the dummy window" $? "$(cat "$WORK/fd_cancel.log")"

  filedlg_run fd_case "dummywindow for fileopendialog" "" wait-dialog "$OPEN_TITLE" 10000 press 2
  log_line fd_case "dialog $(cp932 "$OPEN_TITLE") owner=none" && log_line fd_case "dummy open" &&
    log_line fd_case "clipboard $CANCELLED"
  check "filedlg does not take a window whose title differs in letter case for the dummy" $? "$(cat "$WORK/fd_case.log")"
else
  skip "filedlg" "filedlg.exe is not built"
fi

# The example that uses all three: it asks filedlg (through the shell and the
# clipboard) for a text file, prints it, and plays a tune on the logging device.
if [ "$PRINTER_READY" = 1 ] && [ -f "$MIDI_DIR/winmm.dll" ] && [ -x "$WIN_DIR/filedlg.exe" ]; then
  EX="$WORK/example"; mkdir -p "$EX"
  cp "$MIDI_DIR/winmm.dll" "$MIDI_DIR/winmm_wine.dll" "$WIN_DIR/filedlg.exe" "$EX/"
  "$BIN_DIR/tessc" build "$ROOT/examples/tune_and_print.bas" -o "$EX/tune_and_print.exe" --runtime "$WIN_DIR/runtime.exe" \
    "${LATIN[@]}" >"$EX/tessc.log" 2>&1
  printf 'Shopping list\r\nmilk and bread\r\n' >"$EX/list.txt"
  # example_run NAME DRIVER-COMMANDS...: the example under the driver, with the logging device.
  example_run() {
    local name="$1"; shift
    rm -f "$EX/$name.transcript" "$EX/$name.midi"
    TESSALY_TRANSCRIPT="$EX/$name.transcript" TESS_MIDI_LOG="$(winepath -w "$EX/$name.midi")" \
      WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n" drive "$EX/$name.log" \
      start "$(winepath -w "$EX/tune_and_print.exe")" "" wait-dialog "$OPEN_TITLE" 15000 "$@" run-to-end 30000
  }
  example_details() { cat "$EX/$1.log" "$EX/$1.transcript" "$EX/$1.midi" "$EX/tessc.log" 2>/dev/null; pdf_details; }
  list="$(winepath -w "$EX/list.txt")"
  clear_pdfs
  example_run chosen file-name "$list" press 1
  wait_pdfs 1; sleep 0.3
  text="$(pdf_text "$(pdf_n 1)")"
  # The program owns the dummy window with its console window, so the dialog belongs to the program.
  LC_ALL=C grep -qxF "dialog $(cp932 "$OPEN_TITLE") owner=program" "$EX/chosen.log" &&
    LC_ALL=C grep -qxF "exit 0" "$EX/chosen.log" && LC_ALL=C grep -qF "$list" "$EX/chosen.transcript" &&
    LC_ALL=C grep -qF "$(cp932 おしまい)" "$EX/chosen.transcript" && [ "$(pdfs | wc -l)" -eq 1 ] &&
    grep -qF 'Printed by tune_and_print:' <<<"$text" && grep -q 'Shopping list' <<<"$text" && grep -q 'milk and bread' <<<"$text"
  check "example tune_and_print: the dialog belongs to the program, and the file chosen is printed under its heading" $? "$(example_details chosen)"
  melody="$(notes "$EX/chosen.midi" 0)"; bass="$(notes "$EX/chosen.midi" 1)"
  durations_match "$melody" $'60 250\n64 250\n67 250\n72 750' && durations_match "$bass" '48 1000' &&
    LC_ALL=C grep -q ' 192 63 0$' "$EX/chosen.midi"
  check "example tune_and_print: the tune plays after printing (notes, lengths, the piano of @1)" $? \
    "$melody"$'\n--\n'"$bass"$'\n'"$(example_details chosen)"

  clear_pdfs
  example_run cancelled press 2
  sleep 1
  LC_ALL=C grep -qxF "exit 0" "$EX/cancelled.log" && LC_ALL=C grep -qxF "$(cp932 キャンセルされました)" "$EX/cancelled.transcript" &&
    [ "$(pdfs | wc -l)" -eq 0 ] && [ -z "$(notes "$EX/cancelled.midi" 0 2>/dev/null)" ]
  check "example tune_and_print: cancelling the dialog prints and plays nothing" $? "$(example_details cancelled)"
else
  skip "example tune_and_print" "needs the PDF printer, the logging MIDI device and filedlg.exe"
fi
[ "$PRINTER_READY" = 1 ] && tess_stop_printer

echo "($skipped skipped)"
finish "system tests"
