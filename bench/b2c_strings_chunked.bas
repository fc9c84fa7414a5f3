T = 0
L = 0
FOR R = 1 TO 4
  S$ = ""
  FOR I = R * 5000 - 4999 TO R * 5000
    S$ = S$ + CHR$(65 + I MOD 26)
  NEXT I
  FOR K = 1 TO LEN(S$)
    T = T + ASC(MID$(S$, K, 1))
  NEXT K
  L = L + LEN(S$)
NEXT R
PRINT T
PRINT L
