DEF FNsq(v) = v*v + 1
PRINT FNsq(3)
PRINT v
DEF FNg$(a$) = a$ + "!"
PRINT FNg$("hi")
DEF FNh(v) = FNsq(v) + ABS(-v)
PRINT FNh(2)
DEF FNt(x) = ABS(x) + SIN(x)
PRINT FNt(0)
DATA SIN(0), ABS(-5), 7
READ p, q, r
PRINT p
PRINT q
PRINT r
PRINT LEFT$("abc", 2)
PRINT SQR(ABS(-16))
