' An image got into a variable that cannot hold it: the statement fails after
' the image was made, and the run ends with the error.
DIM slot(3)
LINE (0, 0)-(20, 20), 2, BF
GET (0, 0)-(9, 9), slot(2)
PRINT "got"
GET (0, 0)-(9, 9), slot(7)
PRINT "not reached"
END
