' Text position by logical line and byte column; the text area wraps and scrolls
print "first line"
print "second"
locate 6,0: print "*";
locate 9,1: print "+"
locate 0,4: print "below"
