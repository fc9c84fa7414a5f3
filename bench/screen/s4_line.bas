' Repeated TESS_BENCH_REPEAT times (default once); the bench divides by it.
R = VAL(ENVIRON$("TESS_BENCH_REPEAT"))
IF R < 1 THEN R = 1
FOR K = 1 TO R
  FOR I = 1 TO 10000
    LINE (I MOD 320, 0)-(319 - I MOD 320, 199), 1 + I MOD 7
  NEXT I
NEXT K
END
