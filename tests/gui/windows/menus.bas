' Menu items inserted, deleted and removed, menus detached and destroyed, the
' system menu; what the menus then hold is printed.
WINDOW w, 0, 20, 20, 240, 160, "Menus", &H10CF0000
MENU m
POPUPMENU f
INSERTMENU f, 0, 1, "&Red", 201
INSERTMENU f, 1, 1
INSERTMENU f, 2, 1, "&Blue", 202, , 8
INSERTMENU m, 0, 1, "&Colour", 200, f
SETMENU w, m
DRAWMENU w
PRINT "items " + MENUSTR$(f, 0, &H400) + "|" + MENUSTR$(f, 1, &H400) + "|" + MENUSTR$(f, 2, &H400)
PRINT "attached" + STR$(GETMENU(w) = m) + STR$(GETSUBMENU(m, 0) = f)
DELETEMENU f, 0, &H400
PRINT "deleted " + MENUSTR$(f, 0, &H400) + "|" + MENUSTR$(f, 1, &H400)
ENABLEMENU f, 202, 1
REMOVEMENU m, 0, &H400
PRINT "removed" + STR$(GETSUBMENU(m, 0)) + " " + MENUSTR$(f, 202, 0)
SETMENU w, 0
PRINT "detached" + STR$(GETMENU(w))
DESTROYMENU m
DESTROYMENU f
PRINT "destroyed [" + MENUSTR$(f, 202, 0) + "]"
PRINT "system" + STR$(GETSYSMENU(w) <> 0)
SYSMENU w
WCLOSE w
END
