' Drawing while the current text window is a dead window (a button closed with
' its parent, its record left in the table) or no window at all: nothing
' breaks, and the dead window's backing bitmap can still be drawn and read.
WINDOW w, 0, 20, 20, 200, 150, "Strays", &H10CF0000
WINDOW b, w, 10, 10, 80, 24, "Gone", &H50000000, "BUTTON", 1
WCLOSE w
WSELECT b
CLS 3
PSET (5,5), 2
LINE (10,10)-(29,29), 4, BF
CIRCLE (60,60), 10, 1
PAINT (60,60), 6, 1
GET (10,10)-(19,19), img
PUT (40,10), img, PSET
GPRINT 0, 40, "x", 2
PRESET (1,1)
SCROLL 0, 0
dead = POINT(5,5) * 1000 + POINT(45,15) * 100 + POINT(60,60)
WSELECT 123456
CLS 3
PSET (5,5), 2
LINE (10,10)-(29,29), 4, BF
CIRCLE (60,60), 10, 1
PAINT (60,60), 6, 1
GPRINT 0, 40, "x", 2
PRESET (1,1)
SCROLL 1, 1
WSELECT HWND
PRINT "survived"; dead
END
