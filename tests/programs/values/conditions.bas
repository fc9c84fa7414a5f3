zz$ = "zz": aaa$ = "aaa"
IF zz$ < aaa$ THEN PRINT "shorter"
IF "abc" < "de" THEN PRINT "wrong" ELSE PRINT "by length"
IF (1 = 1) AND (2 = 3) THEN PRINT "no" ELSE PRINT "yes"
x = 3
IF x > 2 AND x < 4 THEN PRINT "between"
IF NOT x = 3 THEN PRINT "no" ELSE PRINT "not"
IF zz$ = "zz" THEN PRINT "equal"
