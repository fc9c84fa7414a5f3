' The messages a new window gets while it is being created are its first
' events: the size limits (sent before the window is fully made), then the
' creation itself.
WINDOW w, 0, 20, 20, 200, 100, "First", &H00CF0000
WEVENT h1, m1, wp, lp
WEVENT h2, m2, wp, lp
PRINT "first"; m1; m2; h1 = w; h2 = w
WCLOSE w
END
