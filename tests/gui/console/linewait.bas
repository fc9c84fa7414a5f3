' A line input waits (holding the lock); the console is closed meanwhile
line input "Waiting";a$
print "not reached"
