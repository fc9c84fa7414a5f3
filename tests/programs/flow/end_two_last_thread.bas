THREAD *t: END 2
*t
WAIT 50: PRINT "thread": END 2: PRINT "not reached"
