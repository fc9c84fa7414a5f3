THREAD *t
*w
c=c+1: IF f=0 THEN GOTO *w
IF c>100 THEN PRINT "ran while the thread waited" ELSE PRINT "blocked"
END
*t
WAIT 200: f=1
