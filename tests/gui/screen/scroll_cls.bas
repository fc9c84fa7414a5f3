' SCROLL and every CLS mode, one screen after each.
dx = 0: dy = 40: dw = 320: dh = 200: cls$ = "VudEvir": ev = 0
LINE (20,60)-(120,140),2,BF
CIRCLE (200,120),50,6,,,,F,4
FOR i = 0 TO 319 STEP 3: PSET (i, 230), 7: NEXT i
SCROLL 10, -20
GOSUB *shown
' Text stays over cleared graphics; a new figure comes after the clearing.
COLOR 6
PRINT "first line"
PRINT "second line"
COLOR 7
CLS 2
LINE (50,100)-(150,150),2,BF
dy = 64: dh = 176
GOSUB *shown
' The text goes, the graphics stay: the whole region shows the bitmap.
CLS
dy = 0: dh = 240
GOSUB *shown
' Everything cleared, a circle drawn, and a refresh that changes nothing.
CLS 3
CIRCLE (160,120),70,5
CLS 5
GOSUB *shown
END
