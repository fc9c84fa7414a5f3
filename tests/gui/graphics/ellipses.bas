' Ellipses of many sizes, each size drawn at several places and across the
' bitmap's edges, hollow and filled; then every pixel read back with POINT.
FOR K = 0 TO 3
  FOR R = 1 TO 46 STEP 3
    X = (R * 37 + K * 101) MOD 700 - 30
    Y = (R * 23 + K * 67) MOD 460 - 30
    CIRCLE (X, Y), R, 1 + (R + K) MOD 7
    CIRCLE (X + 5, Y + 200), R, 2, 0, 0, 0.5
    CIRCLE (X + 300, Y + 100), R, 3, 0, 0, 1.7, F, 1 + K
    CIRCLE (X + 150, Y + 50), R, 6, 0, 0, 1, F
  NEXT R
NEXT K
S = 0
N = 0
FOR Y = 0 TO 479
  FOR X = 0 TO 639
    P = POINT(X, Y)
    IF P <> 0 THEN N = N + 1
    S = (S * 31 + P + 1000) MOD 1000003
  NEXT X
NEXT Y
PRINT "pixels"; N; "sum"; S
END
