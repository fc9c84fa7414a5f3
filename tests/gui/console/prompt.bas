' A "PROMPT" window takes typed input like the console; its close box only
' records an event
window w,0,20,20,320,200,"Ask",282001408,"PROMPT"
wselect w
line input "Say";s$
print "got ";s$
wait 1500
wselect hwnd
print "[";s$;"]";len(s$)
wclose w
