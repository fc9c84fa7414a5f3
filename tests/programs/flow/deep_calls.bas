n=0: GOSUB *s: PRINT "1023 calls": END
*s
n=n+1: IF n<1023 THEN GOSUB *s
RETURN
