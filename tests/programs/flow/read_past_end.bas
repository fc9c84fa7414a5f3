READ a, b
PRINT "not reached"
DATA 1
