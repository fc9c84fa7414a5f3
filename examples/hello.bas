' hello.bas: a greeting in Japanese and English, in colour.
COLOR 6
PRINT "こんにちは、Tessaly!"
COLOR 7
PRINT "Hello from Tessaly."
FOR i = 1 TO 5
  COLOR i
  PRINT "*"; i; "回目 / round"; i
NEXT i
COLOR 7
PRINT "さようなら / goodbye"
' Stay on screen until a key is pressed (closing the window ends the program too).
PRINT "キーを押すと終わります / press a key to close"
WHILE INKEY$ = "": WAIT 50: WEND
END
