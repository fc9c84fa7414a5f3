' Two numbers answered with one: the warning, then a fresh prompt
input "Two numbers";a,b
print "sum";a+b
input "Name",n$
print "[";n$;"]"
