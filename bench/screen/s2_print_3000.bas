FOR I = 1 TO 3000
  PRINT "a short line"; I
NEXT I
END
