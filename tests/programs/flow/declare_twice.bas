DIM a(3)
PRINT "first"
DIM a(4)
PRINT "not reached"
