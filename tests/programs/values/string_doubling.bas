' A string doubled without end meets the memory budget: a runtime error, with
' everything printed before it kept.
print "start"
s$ = "x"
for i = 1 to 40: s$ = s$ + s$: next
print "not reached"
