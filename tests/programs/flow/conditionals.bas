a=1
IF a=1 THEN PRINT "one" ELSE PRINT "other"
IF a=2 THEN PRINT "two": PRINT "skipped" ELSE PRINT "else": PRINT "too"
IF a=2 THEN PRINT "x": PRINT "y"
PRINT "after"
IF a THEN IF 0 THEN PRINT "in" ELSE PRINT "inner else" ELSE PRINT "outer else"
IF 0 THEN PRINT " else " ELSE PRINT "quoted else is text"
IF a=1 THEN {
 PRINT "block"
} ELSE {
 PRINT "no"
}
IF a=0 THEN {
 PRINT "no"
} ELSE PRINT "glued else"
IF a=0 THEN {
 PRINT "no"
} ELSE IF a=1 THEN {
 PRINT "chained"
} ELSE {
 PRINT "no"
}
