' Sequential files: output truncates, append adds at the end, input reads
' fields and lines with their line-end rules; write quotes nothing and drops
' the zero before a decimal point.
open "seq_test.txt" for output as #1
print #1, "line one"
print #1, 1.5; -2
write #1, 1.5, "xy", 0.25; -0.5
print #1, "no end";
close #1
open "seq_test.txt" for append as 2
print #2, "+appended"
print loc(2); lof(#2)
close
open "seq_test.txt" for input as #3
print eof(3); loc(3)
line input #3, a$
print "["; a$; "]"; loc(3)
input #3, b
print b
input #3, c, e$, f, g
print c; e$; f; g
line input #3, h$
print "["; h$; "]"; eof(3)
close 3
' output truncates
open "seq_test.txt" for output as #3
close #3
open "seq_test.txt" for input as #3
print eof(3); lof(3)
close #3
' random access creates a missing file and does not truncate
kill "seq_test.txt"
open "seq_test.txt" as #5
print #5, "abc"
close #5
open "seq_test.txt" as #5
print lof(5); loc(5)
close #5
kill "seq_test.txt"
