print "before"
print log(0)
print "after"
