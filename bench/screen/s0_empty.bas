' Start-up and exit of runtime.exe with the console window: a loop that does
' nothing, ended as the other screen programs end.
' Repeated TESS_BENCH_REPEAT times (default once); the bench divides by it.
R = VAL(ENVIRON$("TESS_BENCH_REPEAT"))
IF R < 1 THEN R = 1
FOR K = 1 TO R
  FOR I = 1 TO 10
  NEXT I
NEXT K
END
