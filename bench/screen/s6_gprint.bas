' Repeated TESS_BENCH_REPEAT times (default once); the bench divides by it.
R = VAL(ENVIRON$("TESS_BENCH_REPEAT"))
IF R < 1 THEN R = 1
FOR K = 1 TO R
  FOR I = 1 TO 5000
    GPRINT (I * 7) MOD 280, (I * 13) MOD 180, "text", 1 + I MOD 7
  NEXT I
NEXT K
END
