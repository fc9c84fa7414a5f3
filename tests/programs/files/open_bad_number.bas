open "x.txt" for output as #1x
print "not reached"
