' table.bas: DATA, READ and a WHILE loop.
READ n
WHILE n > 0
  READ name$, price
  PRINT name$, price
  n = n - 1
WEND
' Stay on screen until a key is pressed (closing the window ends the program too).
PRINT "キーを押すと終わります / press a key to close"
WHILE INKEY$ = "": WAIT 50: WEND
END
DATA 3
DATA "りんご / apple", 120
DATA "みかん / orange", 80
DATA "ぶどう / grapes", 300
