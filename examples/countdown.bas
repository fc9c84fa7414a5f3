' countdown.bas: loops, blocks and a subroutine.
FOR i = 5 TO 1 STEP -1
  GOSUB *show
NEXT i
IF i = 0 THEN {
  PRINT "発射! / lift-off!"
} ELSE {
  PRINT "?"
}
' Stay on screen until a key is pressed (closing the window ends the program too).
PRINT "キーを押すと終わります / press a key to close"
WHILE INKEY$ = "": WAIT 50: WEND
END
*show
PRINT i; "..."
RETURN
