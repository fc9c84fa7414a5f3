' Typed answers: a wrong count, then two values; line input with a correction
input "Two";a,b
print "sum";a+b
line input "Say";s$
print "[";s$;"]"
