' A "NORMAL" window with a button, a menu bar, a pop-up menu, a scroll-bar
' control and a vertical bar of its own. The events the UI driver causes are
' printed to the transcript; WM_COMMAND with the ids 1, 2, 3... asks for the
' next step, each step done once even when an event comes back again.
WINDOW w, 0, 100, 100, 360, 260, "Controls", &H10EF0000
WINDOW b, w, 10, 10, 90, 30, "Press", &H50000000, "BUTTON", 101
WINDOW s, w, 280, 10, 20, 150, "", &H50000001, "SCROLLBAR", 102
' WM_GETTEXT with room for 100, for 3 (two bytes and the end) and a size below 1.
SENDMSG b, 13, 100, t$
SENDMSG b, 13, 3, u$
SENDMSG b, 13, -5, v$, got
PRINT "text " + t$ + "," + u$ + "," + v$ + "."; got
' A size of 2,147,483,647 asks for no more than the 8,192-byte text buffer.
SENDMSG b, 13, &H7FFFFFFF, x$, got
PRINT "huge " + x$; got
SCROLLBAR s, ctl, 0, 100, 10
SENDMSG s, &HE3, lo, hi
SENDMSG s, &HE1, 0, 0, pos
PRINT "range"; lo; hi; "at"; pos
MENU m
POPUPMENU f
INSERTMENU f, 0, 1, "&Red", 201
INSERTMENU f, 1, 1
INSERTMENU f, 2, 1, "&Blue", 202
INSERTMENU m, 0, 1, "&Colour", 200, f
SETMENU w, m
DRAWMENU w
PRINT "menu "; MENUSTR$(GETSUBMENU(GETMENU(w), 0), 202, 0)
POPUPMENU p
INSERTMENU p, 0, 1, "One", 301
INSERTMENU p, 1, 1, "Two", 302
' A top-level window whose position and size are all left to Windows.
WINDOW d, 0, -1, -1, -1, -1, "Chosen", &H10CF0000
PRINT "ready"
*events
WEVENT hw, msg, wp, lp
IF msg = 273 AND wp > 200 THEN PRINT "command"; wp; lp = b; hw = w
IF msg = 273 AND wp = 101 THEN PRINT "button"; wp; lp = b; hw = w
IF msg = 16 THEN PRINT "close"; hw = w
IF msg = 258 THEN k$ = INKEY$: PRINT "key " + k$
IF msg = 513 THEN PRINT "down"; lp AND &HFFFF; lp \ 65536
IF msg = 516 THEN TRACKMENU p, w, 0, 0
IF msg = 273 AND wp = stp + 1 THEN {
  stp = stp + 1
  ON stp GOSUB *move, *resize, *hide, *unhide, *ask, *scroll, *bar, *kept, *gone
}
GOTO *events

*move
WMOVE w, 30, 40, 470, 420
PRINT "step 1"
RETURN
*resize
WMOVE w, -1, -1, 500, 440
PRINT "step 2"
RETURN
*hide
WSHOW w, 0
PRINT "step 3"
RETURN
*unhide
WSHOW w, 1
PRINT "step 4"
RETURN
*ask
MSGBOX w, "Plain"
MSGBOX w, "Keep the picture?", "Question", 4, ans
PRINT "answer"; ans
PRINT "step 5"
RETURN
*scroll
SCROLLBAR s, CTL, 0, 200, 20, 150
SENDMSG s, &HE3, lo, hi
SENDMSG s, &HE1, 0, 0, pos
PRINT "range"; lo; hi; "at"; pos
PRINT "step 6"
RETURN
*bar
SCROLLBAR w, VERT, 0, 100, 10
PRINT "step 7"
RETURN
*kept
SCROLLBAR w, Vert, 0, 5, 10, 0, 1
PRINT "step 8"
RETURN
*gone
SCROLLBAR w, vert, 0, 5, 10, 0, 0
PRINT "step 9"
RETURN
