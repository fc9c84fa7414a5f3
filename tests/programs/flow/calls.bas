GOSUB *s: PRINT "back"
IF 1 THEN GOSUB *s: PRINT "then" ELSE PRINT "else"
ON 2 GOSUB *a, *b: PRINT "after on"
ON 0 GOTO *a, *b: PRINT "zero continues"
ON 3 GOTO *a, *b: PRINT "three continues"
END
*s
PRINT "sub";: RETURN
*a
PRINT "a": RETURN
*b
PRINT "b": RETURN
