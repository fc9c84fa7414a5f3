PRINT x
a(5) = 1
PRINT a(4)
PRINT a(5)
DIM b(10)
b(10) = 2
PRINT b(10)
DIM m(2, 3)
m(1, 2) = 7
PRINT m(1, 2)
a = 9
PRINT a
PRINT a(5)
i% = 2.9
PRINT i%
j% = -2.9
PRINT j%
Abc = 1
abc = 2
PRINT Abc
PRINT abc
ERASE a
PRINT a(5)
PRINT a
s$ = "x"
PRINT s$ + "y"
LET z = 4
PRINT z
