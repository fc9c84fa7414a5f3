' A small address book kept in a random-access file of fixed-width records:
' add an entry, list them all, update one by its number.
' Each record holds a name (16 bytes) and a phone number (12 bytes).
open "address.dat" as #1
field #1, 16 as nm$, 12 as ph$
*menu
input "a)dd l)ist u)pdate q)uit"; c$
if c$ = "a" then gosub *add
if c$ = "l" then gosub *list
if c$ = "u" then gosub *update
if c$ <> "q" then goto *menu
close #1
end

*add
input "name"; n$
input "phone"; p$
lset nm$ = n$
lset ph$ = p$
put #1, lof(1) \ 28 + 1
print "added as"; lof(1) \ 28
return

*list
if lof(1) = 0 then print "(empty)" : return
for i = 1 to lof(1) \ 28
  get #1, i
  print i; " "; nm$; ph$
next i
return

*update
input "number"; r
if r < 1 or r > lof(1) \ 28 then print "no such entry" : return
get #1, r
print "name: "; nm$
input "new phone"; p$
lset ph$ = p$
put #1, r
return
