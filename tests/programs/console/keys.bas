' The last key and waiting for typed characters, fed from the typed input
a$=input$(2)
print a$
k$=inkey$
print asc(k$)
print len(inkey$)
