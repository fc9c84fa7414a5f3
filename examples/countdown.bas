' countdown.bas: loops, blocks and a subroutine.
FOR i = 5 TO 1 STEP -1
  GOSUB *show
NEXT i
IF i = 0 THEN {
  PRINT "発射! / lift-off!"
} ELSE {
  PRINT "?"
}
END
*show
PRINT i; "..."
RETURN
