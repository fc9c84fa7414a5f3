' Another execution thread keeps counting while the main thread waits for an
' event of its window and while it shows a message box: both waits leave the
' interpreter lock to others.
WINDOW w, 0, 20, 20, 200, 150, "Waiting", &H10CF0000
THREAD *tick
PRINT "ready"
WEVENT hw, msg, wp, lp
WHILE NOT (msg = 273 AND wp = 1)
  WEVENT hw, msg, wp, lp
WEND
waited = n
MSGBOX w, "Counting goes on", "Box"
boxed = n - waited
PRINT "counted"; SGN(waited - 5); SGN(boxed - 5)
END

*tick
n = n + 1
WAIT 20
GOTO *tick
