' Start-up and exit of runtime.exe with the console window: a loop that does
' nothing, ended as the other screen programs end.
FOR I = 1 TO 10
NEXT I
END
