' Bitmaps loaded by relative names: next to the program, then in a folder
' after a change of directory. Point reads their colours back.
WINDOW w, 0, 20, 20, 200, 150, "Images", &H10CF0000
WSELECT w
LOADIMAGE pic, "tile.bmp"
PUT (10,10), pic, PSET
CHDIR "pictures"
LOADIMAGE pic, "inner.bmp"
PUT (50,10), pic, PSET
near = POINT(12,12)
inner = POINT(52,12)
WSELECT HWND
PRINT "loaded"; near; inner
WCLOSE w
END
