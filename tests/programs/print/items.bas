print 5;-5
print 5,-5
print 0.25;-0.5;1/3
print "a";"b"
print "x";
print "y"
print 5,
print
a$="str"
print a$;a$+"!";len(a$)
print "no line end";
