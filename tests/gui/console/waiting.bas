' An input waits; the console is closed meanwhile
input "Waiting";a
print "not reached"
