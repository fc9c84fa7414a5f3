a$ = "a": b$ = "b"
PRINT 1
n = a$ < b$
PRINT 2
