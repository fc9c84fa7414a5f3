' Figures drawn into a "NORMAL" window: a half arc, a quarter sector, circles
' with an aspect, an image put twice with xor, colours read back with Point,
' text in a font of its own; on request a scroll and a clear.
WINDOW w, 0, 20, 20, 420, 380, "Shapes", &H10CF0000
WSELECT w
CIRCLE (80,90), 40, 2, 0, 3.14
CIRCLE (250,90), 40, 4, -1.57, -3.14
CIRCLE (80,250), 40, 1, , , 0.5
CIRCLE (250,250), 40, 1, , , 2
CIRCLE (350,150), 20, 2, , , , F, 6
CIRCLE (350,110), 20, 2, 0.5, 1, , F, 6
' Paint inside a circle's outline fills the inside only.
CIRCLE (350,250), 30, 2
PAINT (350,250), 4, 2
LINE (20,320)-(59,339), 2, BF
LINE (200,320)-(239,339), 5, BF
GET (20,320)-(59,339), img
before = POINT(210,330)
PUT (200,320), img, XOR
once = POINT(210,330)
PUT (200,320), img, XOR
twice = POINT(210,330)
PSET (300,330), RGB(255,128,0)
PSET (302,330), RGB(1,2,3)
orange = POINT(300,330)
dark = POINT(302,330)
paper = POINT(380,20)
' Erase point with a transparent background draws nothing; with green, green.
COLOR 7, -1: PRESET (25,325)
COLOR 7, 4: PRESET (26,325)
COLOR 7, 0
kept = POINT(25,325)
erased = POINT(26,325)
GPRINT 300, 60, "Tessaly", 6, 1, 20
' A console-style window starts black.
WINDOW pw, 0, 460, 20, 200, 150, "Dark", &H10CF0000, "PROMPT"
WSELECT pw
LINE (10,10)-(49,49), 2, BF
WSELECT HWND
PRINT "xor"; before; once; twice
PRINT "point"; orange; dark; paper; RGB(255,128,0)
PRINT "erase"; kept; erased
PRINT "ready"
' WM_COMMAND 1 scrolls the graphics, 2 clears both windows.
*events
WEVENT hw, msg, wp, lp
IF msg = 273 AND wp = 1 AND scrolled = 0 THEN WSELECT w: SCROLL 10, 20: WSELECT HWND: scrolled = 1: PRINT "scrolled"
IF msg = 273 AND wp = 2 THEN WSELECT w: CLS 2: WSELECT pw: CLS 2: WSELECT HWND: PRINT "cleared"
GOTO *events
