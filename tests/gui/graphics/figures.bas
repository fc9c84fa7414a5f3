' Figures at known pixels, read back by the test from a screenshot.
LINE (0,100)-(10,100),2
LINE (20,120)-(40,140),4,BF
LINE (50,120)-(70,140),1,B
CIRCLE (150,150),30,6
LINE (200,120)-(240,160),7,B
PAINT (220,140),3,7
PSET (300,100),5
PRINT POINT(5,100); POINT(300,100); POINT(220,140); POINT(0,0); RGB(255,0,0)
*forever
WAIT 50
GOTO *forever
