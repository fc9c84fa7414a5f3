' Started by japanese.bas: its parameters and the environment it inherited.
PRINT "child " + COMMAND$ + "|" + ENVIRON$("TESS_JAPANESE")
END
