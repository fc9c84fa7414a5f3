' 2,000 windows opened, drawn and printed into, and closed: "NORMAL" windows,
' hidden and shown, "PROMPT" windows, and buttons closed before their parents.
n = 0
FOR i = 1 TO 2000
  IF i MOD 3 = 0 THEN style = &H10CF0000 ELSE style = &H00CF0000
  IF i MOD 7 = 0 THEN cls$ = "PROMPT" ELSE cls$ = "NORMAL"
  WINDOW w, 0, 20 + i MOD 200, 20 + i MOD 150, 200, 150, "Handles", style, cls$
  WSELECT w
  LINE (0, 0)-(50, 40), i MOD 8, BF
  CIRCLE (80, 60), 20, 2
  GPRINT 10, 90, "window", 6, -1, 10 + i MOD 20
  GET (0, 0)-(9, 9), img
  PUT (100, 10), img, PSET
  PRINT "window"; i
  IF i MOD 10 = 0 THEN WINDOW b, w, 10, 100, 80, 24, "Button", &H50000000, "BUTTON", 1: WCLOSE b
  WSELECT HWND
  WCLOSE w
  n = n + 1
NEXT
PRINT "windows"; n
END
