' The clear screen runs headless too: its text modes empty the grid, and the
' text position then counts from the top again.
print "before"
cls
locate 2,1: print "x"
cls 2
print "y"
cls 3: print "z"
