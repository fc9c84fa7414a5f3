' String literals only: runs with the first print statement already.
PRINT "こんにちは"
print "Hello, ": Print "world"
10 PRINT "a:b"; "c'd" ' a comment
REM the end
