' Repeated TESS_BENCH_REPEAT times (default once); the bench divides by it.
R = VAL(ENVIRON$("TESS_BENCH_REPEAT"))
IF R < 1 THEN R = 1
FOR K = 1 TO R
  FOR Y = 0 TO 199
    FOR X = 0 TO 319
      PSET (X, Y), 1 + (X + Y) MOD 7
    NEXT X
  NEXT Y
NEXT K
END
