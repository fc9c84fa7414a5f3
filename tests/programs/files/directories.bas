' File management against the interpreter's current directory: change
' directory, make directory, copy and rename with their keep flags, delete,
' and the listing (directories first, the column count carried over).
print right$(curdir$, 1)
chdir "sub_a\"
print right$(curdir$, 6)
chdir "C:\"
print curdir$
' an absolute directory gives the same names on both hosts
mkdir "C:\tmp"
mkdir "C:\tmp\tess_dir_test"
chdir "C:\tmp\tess_dir_test"
print curdir$
mkdir "d1"
mkdir "d2"
open "a.txt" for output as #1 : print #1, "aaaa" : close #1
open "b.txt" for output as #1 : print #1, "b" : close #1
copy "a.txt", "b.txt", 1
copy "a.txt", "c.txt"
open "b.txt" for input as #1 : print lof(1) : close #1
open "c.txt" for input as #1 : print lof(1) : close #1
files "C:\tmp\tess_dir_test", 3
print
files "C:\tmp\tess_dir_test\", 1
name "a.txt", "b.txt", 1
open "b.txt" for input as #1 : print lof(1) : close #1
name "c.txt", "e.txt"
name "e.txt", "b.txt"
open "b.txt" for input as #1 : print lof(1) : close #1
files "C:\tmp\tess_dir_test", 0
files "C:\tmp\no_such_dir_here"
kill "a.txt"
kill "b.txt"
files "C:\tmp\tess_dir_test\d1", 4
print "end"
