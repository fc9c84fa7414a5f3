' More lines than the window holds: the first ones scroll away
color 2
for i=1 to 80
  if i>78 then color 1
  print "line";i
next i
while 1
  wait 50
wend
