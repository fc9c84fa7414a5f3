print "before"
print eof(10)
print "not reached"
