READ a, b$, c
PRINT a; b$; c
RESTORE *second
READ d: PRINT d
RESTORE: READ e: PRINT e
DATA 1, "two"
PRINT "between": DATA 1+2
*second
DATA 4
