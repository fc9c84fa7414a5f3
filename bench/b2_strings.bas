S$ = ""
FOR I = 1 TO 20000
  S$ = S$ + CHR$(65 + I MOD 26)
NEXT I
T = 0
FOR K = 1 TO LEN(S$)
  T = T + ASC(MID$(S$, K, 1))
NEXT K
PRINT T
PRINT LEN(S$)
