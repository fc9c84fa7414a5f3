' Labels, line numbers, blocks and loop exits written in natural source.
DEFINT I-N
total = 0
FOR i = 1 TO 10
  IF i MOD 2 = 0 THEN {
    total = total + i
  } ELSE IF i = 9 THEN {
    EXIT FOR
  }
NEXT i
PRINT "total"; total; "stopped at"; i
n = 0
WHILE n < 100
  n = n + 7
  IF n > 20 THEN EXIT WHILE
WEND
PRINT "n ="; n
ON 2 GOSUB *one, *two
GOTO 100
*one
PRINT "one": RETURN
*two
PRINT "two": RETURN
100 PRINT "done"
