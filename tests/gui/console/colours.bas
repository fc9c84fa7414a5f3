' Opaque and transparent text backgrounds over a red box; transparent cells
line (0,0)-(300,60),2,bf
color 7,4
print "OPAQUE"
color 6,-1
print "CLEAR"
locate 10,0
print "X"
while 1
  wait 50
wend
