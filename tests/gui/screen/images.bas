' GET and PUT with every raster operation, LOADIMAGE and GPRINT.
dx = 0: dy = 40: dw = 320: dh = 200: cls$ = "VudEvir": ev = 0
LINE (10,50)-(59,89),2,BF
CIRCLE (35,70),15,6,,,,F,1
GET (10,50)-(59,89), g
PUT (70,50), g, PSET
LINE (130,50)-(179,89),4,BF
PUT (130,50), g, XOR
LINE (190,50)-(239,89),RGB(200,200,200),BF
PUT (190,50), g, OR
PUT (250,50), g, AND
LOADIMAGE p, "pic.bmp"
PUT (10,100), p, PSET
GPRINT 70, 100, "Hello", 6
GPRINT 70, 130, "Bold", 2, 1, 24, 0, "", BOLD, ANSI
GPRINT 170, 130, "Slant", RGB(255,128,0), -1, 28, 0, "", ITALIC, DEFAULT
GOSUB *shown
END
