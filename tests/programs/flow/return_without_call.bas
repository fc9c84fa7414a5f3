PRINT "x": RETURN
PRINT "not reached"
