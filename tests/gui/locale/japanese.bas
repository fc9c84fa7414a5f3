' Japanese text through every way out to Windows and back: a window title,
' a menu, controls and texts sent to them, typed characters, the clipboard,
' the environment, a started program's parameters, files and a directory with
' Japanese names, text drawn in a font with a Japanese name, and a message
' box. What came back is printed; the UI driver reads the same things from
' outside.
' Text drawn in a font named in Japanese, in the default character set.
GPRINT 480, 4, "描いた文字", 2, -1, 20, 0, "IPAゴシック", , DEFAULT
WINDOW w, 0, 40, 40, 360, 220, "窓の題名", &H10CF0000
MENU m
POPUPMENU f
INSERTMENU f, 0, 1, "開く(&O)", 201
INSERTMENU f, 1, 1, "閉じる(&C)", 202
INSERTMENU m, 0, 1, "ファイル(&F)", 200, f
SETMENU w, m
DRAWMENU w
' The controls have a window of their own, closed before the message box:
' they write in the system's own font, whose size differs between systems.
WINDOW p, 0, 420, 40, 360, 180, "部品", &H10CF0000
WINDOW b, p, 10, 10, 120, 30, "押す", &H50000000, "BUTTON", 101
WINDOW l, p, 10, 50, 150, 80, "", &H50800001, "LISTBOX", 102
WINDOW e, p, 170, 10, 160, 24, "", &H50800080, "EDIT", 103
SENDMSG l, &H180, 0, "りんご"
SENDMSG l, &H180, 0, "ﾊﾝｶｸ表"
SENDMSG e, 12, 0, "編集の文字"
SENDMSG w, 13, 100, ti$
SENDMSG e, 13, 100, t$, got
SENDMSG e, 13, 4, v$, cut
SENDMSG l, &H189, 1, u$, lb
PRINT "title " + ti$
PRINT "menu " + MENUSTR$(f, 201, 0) + "|" + MENUSTR$(m, 0, &H400)
PRINT "texts " + t$ + "|" + v$ + "|" + u$; got; cut; lb
CLIPBOARD "クリップボードの文字"
PRINT "clip " + CLIPBOARD$
SETENV "TESS_JAPANESE", "環境の値"
PRINT "env " + ENVIRON$("TESS_JAPANESE")
PRINT "command " + COMMAND$
MKDIR "日本語フォルダ"
OPEN "日本語フォルダ\表示.txt" FOR OUTPUT AS #1
WRITE #1, "ソ"
CLOSE #1
COPY "日本語フォルダ\表示.txt", "日本語フォルダ\写し.txt"
KILL "日本語フォルダ\表示.txt"
NAME "日本語フォルダ\写し.txt" AS "日本語フォルダ\名前.txt"
OPEN "日本語フォルダ\名前.txt" FOR INPUT AS #2
LINE INPUT #2, r$
CLOSE #2
PRINT "file " + r$
FILES "日本語フォルダ"
INPUT "名前は"; n$
PRINT "typed " + n$
PRINT "ready"
k = 0
WHILE k < 2
  WEVENT hw, msg, wp, lp
  IF msg = 258 THEN k = k + 1: c$ = c$ + " " + STR$(wp)
WEND
PRINT "chars" + c$
WCLOSE p
SHELL "child.exe", "引数 ｶﾅ"
MSGBOX w, "日本語のメッセージ", "題名", 0, ans
PRINT "answer"; ans
WCLOSE w
END
