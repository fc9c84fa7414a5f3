' An array filled with strings of 8 MB each meets the memory budget: a runtime
' error, with everything printed before it kept.
s$ = "x"
for i = 1 to 23: s$ = s$ + s$: next
print len(s$)
dim a$(1000)
for i = 0 to 1000: a$(i) = s$: next
print "not reached"
