' Line input keeps commas and double quotes; Backspace edits the typed line
line input "Say";s$
print s$;len(s$)
line input t$
print t$
input n
print n*2
