' Every figure drawn on the console, then "done", then the program polls
' INKEY$ with WAIT: all of it must be on the screen while it waits.
dx = 0: dy = 40: dw = 320: dh = 200: cls$ = "VudEvir": ev = 0
CIRCLE (60,100),40,4,,,,F,6
FOR i = 0 TO 299
PSET (i, 200 + INT(30 * SIN(i / 20))), 5
NEXT i
LINE (120,50)-(200,90),2
LINE (130,60)-(190,120),3,B
LINE (210,50)-(260,90),7,BF,1
LINE (270,50)-(310,90),RGB(10,200,30),B
CIRCLE (160,160),30,6,0,3.14
CIRCLE (230,160),30,1,-1.57,-3.14
CIRCLE (290,160),25,7,,,0.5
PAINT (160,90),RGB(120,60,200),3
PSET (2,50),2: PRESET (4,50)
PRINT "done"
GOSUB *shown
END
