' Print a text file: choose it in the file dialog, print it on the default
' printer under a heading, and play a short tune when the page is done.
' The dialog is filedlg.exe, which must sit beside this program: it finds the
' hidden window titled "DummyWindow for FileOpenDialog", puts the chosen path
' (or the cancelled text) on the clipboard, and then closes that window.
PRINT "印刷するテキストファイルを選んでください"
WINDOW dummy, HWND, 0, 0, 10, 10, "DummyWindow for FileOpenDialog", 0
SHELL "filedlg.exe", "-O Text files (*.txt)/*.txt/All files (*.*)/*.*/"
*wait
WEVENT w, m, wp, lp
IF w <> dummy OR m <> 16 THEN GOTO *wait
WCLOSE dummy
file$ = CLIPBOARD$
IF file$ = "<<キャンセルされました>>" THEN {
  PRINT "キャンセルされました"
  END
}
PRINT "印刷: " + file$

OPEN file$ FOR INPUT AS #1
LPRINT "Printed by tune_and_print: " + file$
LPRINT
lines = 0
WHILE EOF(1) = 0
  LINE INPUT #1, text$
  LPRINT text$
  lines = lines + 1
WEND
CLOSE #1
LPRINT CHR$(12);
PRINT lines; "行を印刷しました"

' A cadence on two voices: a piano melody over a held bass.
PLAY "T120 @1 O4 C8 E8 G8 O5 C4.", "T120 O3 C2"
PRINT "おしまい"
