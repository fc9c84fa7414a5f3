' A window of the program, selected, drawn and printed into, with a button over
' the drawing; then closed, and the console printed to again.
WINDOW w, 0, 40, 40, 340, 280, "Drawn", &H10CF0000
WSELECT w
LINE (0,0)-(319,239),4,BF
CIRCLE (150,115),60,2,,,,F,6
PRINT "in the window"
WINDOW b, w, 20, 200, 80, 30, "Button", &H50000000, "BUTTON", 101
dx = 0: dy = 40: dw = 300: dh = 150: cls$ = "NORMAL": ev = 1
GOSUB *shown
WCLOSE w
PRINT "after close"
LINE (0,40)-(99,99),6,BF
dx = 0: dy = 40: dw = 200: dh = 100: cls$ = "VudEvir": ev = 0
GOSUB *shown
END
