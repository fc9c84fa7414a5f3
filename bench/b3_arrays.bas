DIM A(10000)
FOR P = 1 TO 50
  FOR K = 1 TO 10000
    A(K) = K * P
  NEXT K
  S = 0
  FOR K = 1 TO 10000
    S = S + A(K)
  NEXT K
NEXT P
PRINT S
