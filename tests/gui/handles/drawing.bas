' Over 20,000 figures, texts and images on the console: points, lines, boxes,
' circles and sectors in more colours than the runtime keeps pens and brushes
' for, text in more sizes than it keeps fonts for, images got, put and loaded
' into the same variables, paints, scrolls and clears. Each pass is 12 of them.
LOADIMAGE tile, "tile.bmp"
n = 0
FOR i = 1 TO 1700
  c = RGB(i MOD 256, (i * 7) MOD 256, (i * 13) MOD 256)
  f = RGB((i * 3) MOD 256, 255 - i MOD 256, 128)
  x = (i * 37) MOD 560: y = 40 + (i * 11) MOD 360
  PSET (x, y), c
  LINE (x, y)-(x + 30, y + 12), c
  LINE (x, y)-(x + 30, y + 12), c, B
  LINE (x + 2, y + 2)-(x + 28, y + 10), c, BF, f
  CIRCLE (x + 40, y + 20), 12, c
  CIRCLE (x + 40, y + 20), 9, c, -0.5, -2.5, 1, F, f
  GPRINT x, y + 30, "handles", c, -1, 8 + i MOD 40
  PRINT i;
  GET (x, y)-(x + 15, y + 15), img
  PUT (x + 60, y), img, PSET
  PUT (x + 80, y), tile, XOR
  LOADIMAGE pic, "tile.bmp"
  n = n + 12
  IF i MOD 100 = 0 THEN PAINT (x + 40, y + 20), 3, c: SCROLL 4, 4: n = n + 2
  IF i MOD 250 = 0 THEN CLS 3: n = n + 1
NEXT
PRINT
PRINT "drawn"; n
END
