n=0: GOSUB *s: PRINT "not reached": END
*s
n=n+1: IF n<1024 THEN GOSUB *s
RETURN
