FOR i=1 TO 3000: e$=e$+"x": NEXT
THREAD *a: THREAD *b
FOR i=1 TO 1000: n=n+1: s$=s$+"x": NEXT
d=d+1
*w
IF d<3 THEN WAIT 1: GOTO *w
IF n=3000 AND s$=e$ THEN PRINT "no lost update" ELSE PRINT "lost"
END
*a
FOR j=1 TO 1000: n=n+1: s$=s$+"x": NEXT
d=d+1: END 2
*b
FOR k=1 TO 1000: n=n+1: s$=s$+"x": NEXT
d=d+1
