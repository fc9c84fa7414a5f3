FOR i=1 TO 254: THREAD *t: NEXT
*w
IF r<254 THEN WAIT 1: GOTO *w
PRINT "all running"
go=1
*d
IF d<254 THEN WAIT 1: GOTO *d
PRINT "all ended"
END
*t
r=r+1
*gate
IF go=0 THEN WAIT 1: GOTO *gate
d=d+1
