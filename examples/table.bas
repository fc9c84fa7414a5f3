' table.bas: DATA, READ and a WHILE loop.
READ n
WHILE n > 0
  READ name$, price
  PRINT name$, price
  n = n - 1
WEND
DATA 3
DATA "りんご / apple", 120
DATA "みかん / orange", 80
DATA "ぶどう / grapes", 300
