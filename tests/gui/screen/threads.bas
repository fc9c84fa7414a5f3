' Two threads print at once; the main thread prints a last line when both are
' done and then waits.
dx = 200: dy = 0: dw = 100: dh = 200: cls$ = "VudEvir": ev = 0
LINE (200,0)-(299,199),4,BF
THREAD *one
THREAD *two
*done
IF d < 2 THEN WAIT 10: GOTO *done
COLOR 7
PRINT "last line"
GOSUB *shown
END
*one
FOR i = 1 TO 300
COLOR 6
PRINT "one"; i
NEXT i
d = d + 1
END 2
*two
FOR j = 1 TO 300
COLOR 5
PRINT "two"; j
NEXT j
d = d + 1
END 2
