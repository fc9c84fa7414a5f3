' While one thread waits for a typed line, the other threads go on: the main
' thread prints its lines and ends the program before any line is typed.
thread *reader
wait 200
for i = 1 to 5: print i: wait 50: next
print "main done"
end
*reader
input a$
print "got "; a$
