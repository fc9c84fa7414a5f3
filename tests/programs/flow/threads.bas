THREAD *t
*w
IF f=0 THEN WAIT 1: GOTO *w
PRINT "main"
END
*t
PRINT "thread": f=1
