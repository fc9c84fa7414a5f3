' A scroll-bar word other than horz, vert or ctl stops the program.
WINDOW w, 0, 20, 20, 200, 150, "Bar", &H10EF0000
PRINT "before"
SCROLLBAR w, diag, 0, 100, 10
PRINT "after"
