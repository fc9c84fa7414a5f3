' F1 and a left click reach their handlers; F2 has none; the trap can be stopped
on key gosub *help
on mouse(2) gosub *click
key on
mouse(2) on
done=0
while done=0
  wait 20
wend
print "end"
end
*help
print "F1"
key stop
return
*click
print "click";mousestat(0);mousestat(1);mousestat(2)
key on
done=1
return
