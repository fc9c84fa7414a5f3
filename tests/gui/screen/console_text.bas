' Console printing over graphics: 3,000 lines that scroll, in changing colours,
' then text placed with LOCATE and COLOR over a transparent background.
dx = 200: dy = 0: dw = 100: dh = 200: cls$ = "VudEvir": ev = 0
LINE (0,0)-(319,239),2,BF
FOR i = 1 TO 3000
COLOR 1 + i MOD 7, -1
PRINT "line"; i
NEXT i
COLOR 6, 1
LOCATE 5, 2
PRINT "here"
COLOR 7, -1
LOCATE 0, 4
PRINT "top"
COLOR 7, 0
GOSUB *shown
END
