' Every kind of send-message row on a list box, a combo box and edit controls:
' texts sent, texts received, value pairs, a line request, plain numbers and
' the result variable. What came back is printed.
WINDOW w, 0, 20, 20, 400, 300, "Messages", &H10CF0000
WINDOW l, w, 10, 10, 120, 100, "", &H50800001, "LISTBOX", 201
WINDOW c, w, 140, 10, 120, 120, "", &H50200002, "COMBOBOX", 202
WINDOW e, w, 10, 150, 200, 24, "", &H50800080, "EDIT", 203
WINDOW m, w, 10, 190, 200, 60, "", &H50800004, "EDIT", 204
SENDMSG l, &H180, 0, "apple"
SENDMSG l, &H180, 0, "pear"
SENDMSG l, &H180, 0, "plum", n
SENDMSG l, &H181, 1, "fig", at
SENDMSG l, &H18F, -1, "pl", found
SENDMSG l, &H189, 1, t$
SENDMSG l, &H18C, -1, "pe", sel
PRINT "list"; n; at; found; sel; " "; t$
SENDMSG c, &H143, 0, "red"
SENDMSG c, &H143, 0, "green"
SENDMSG c, &H14A, 0, "blue"
SENDMSG c, &H14C, -1, "gr", found
SENDMSG c, &H148, 0, t$
SENDMSG c, &H14D, -1, "re", sel
SENDMSG c, &H142, 0, &H30001
SENDMSG c, &H140, first, last
PRINT "combo"; found; sel; first; last; " "; t$
SENDMSG e, 12, 0, "hello world"
SENDMSG e, &HB1, 2, 5
SENDMSG e, &HB0, first, last
SENDMSG e, 13, 6, t$, got
PRINT "edit"; first; last; got; " "; t$
SENDMSG m, 12, 0, "first" + CHR$(13) + CHR$(10) + "second line"
SENDMSG m, &HC4, 1, t$
SENDMSG m, &HC4, 0, u$, got
PRINT "lines "; t$; "|"; u$; got
WCLOSE w
END
