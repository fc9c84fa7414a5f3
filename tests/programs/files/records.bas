' Fixed-width records: a layout of widths 4 and 6 makes 10-byte records
' (record 3 starts at byte 20); lset and rset fit values to the field; bytes
' 0, 1 and the double quote survive a round trip; a read past the end gives
' short or empty fields.
open "rec_test.dat" for output as #2 : close #2
open "rec_test.dat" as #2
field #2, 4 as a$, 6 as b$
lset a$ = "ab"
rset b$ = "xyz"
put #2, 3
print lof(2); loc(2)
print "["; a$; "]["; b$; "]"
lset a$ = "abcdefg"
rset b$ = "abcdefg"
print "["; a$; "]["; b$; "]"
lset a$ = chr$(0) + chr$(1) + chr$(34) + chr$(255)
lset b$ = "z" + chr$(0)
put #2, 1
lset a$ = "" : lset b$ = ""
get #2, 1
print len(a$); asc(a$); asc(mid$(a$, 2)); asc(mid$(a$, 3)); asc(mid$(a$, 4)); len(b$); asc(mid$(b$, 2))
get #2, 2
print len(a$); asc(a$); len(b$)
get #2, 3
print "["; a$; "]["; b$; "]"
get #2, 4
print len(a$); len(b$)
' a second layout on another slot, with array elements as fields; the file is
' opened exclusively, so the first slot closes first
close #2
dim n$(2)
open "rec_test.dat" as #7
field #7, 2 as n$(1), 8 as n$(2)
get #7, 3
print "["; n$(1); "]["; n$(2); "]"
close #7
' a layout survives a close and reopen of its slot
open "rec_test.dat" as #2
get #2, 3
print "["; a$; "]["; b$; "]"
close
kill "rec_test.dat"
