' Repeated TESS_BENCH_REPEAT times (default once); the bench divides by it.
R = VAL(ENVIRON$("TESS_BENCH_REPEAT"))
IF R < 1 THEN R = 1
FOR K = 1 TO R
  FOR I = 1 TO 100000
    PRINT "line"; I
  NEXT I
NEXT K
END
