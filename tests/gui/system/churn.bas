' Nothing is held forever: short threads one after another (CHURN_THREADS of
' them, 100,000 without it), then 70,000 images made in batches of 1,000 and
' forgotten by CLEAR; the program still runs. The batch count survives CLEAR in
' an environment variable.
IF VAL(ENVIRON$("CHURN")) > 0 THEN GOTO *images
n = VAL(ENVIRON$("CHURN_THREADS"))
IF n = 0 THEN n = 100000
FOR i = 1 TO n
  THREAD *short
  IF i - done > 200 THEN WAIT 20
NEXT
WHILE done < n: WAIT 10: WEND
PRINT "threads"; done
SETENV "CHURN", "1"
*images
k = VAL(ENVIRON$("CHURN"))
IF k > 70 THEN GOTO *finish
DIM a(1000)
FOR j = 1 TO 1000: GET (0, 0)-(7, 7), a(j): NEXT
SETENV "CHURN", STR$(k + 1)
CLEAR
GOTO *images
*finish
GET (0, 0)-(7, 7), last
THREAD *short
WAIT 100
PRINT "images"; (k - 1) * 1000; last <> 0; done
END
*short
done = done + 1
END 2
