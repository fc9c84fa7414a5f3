' draw.bas: a small drawing program in a window of its own.
' Pick a colour from the Colour menu and a tool with the buttons, then draw
' with the left mouse button: Line draws while you drag, Circle drags from the
' centre out to the radius, Fill paints around the click up to lines of the
' chosen colour. Picture > Clear wipes the page, Picture > Quit (or the
' window's close box) ends the program.
WINDOW w, 0, 40, 40, 520, 420, "Draw", &H12CF0000

MENU bar
POPUPMENU colours
INSERTMENU colours, 0, 1, "&Red", 12
INSERTMENU colours, 1, 1, "&Green", 14
INSERTMENU colours, 2, 1, "&Blue", 11
INSERTMENU colours, 3, 1, "&Yellow", 16
INSERTMENU colours, 4, 1, "Blac&k", 10
POPUPMENU picture
INSERTMENU picture, 0, 1, "&Clear", 21
INSERTMENU picture, 1, 1
INSERTMENU picture, 2, 1, "&Quit", 29
INSERTMENU bar, 0, 1, "&Colour", 0, colours
INSERTMENU bar, 1, 1, "&Picture", 0, picture
SETMENU w, bar
DRAWMENU w

WINDOW b, w, 8, 6, 70, 26, "Line", &H50000000, "BUTTON", 31
WINDOW b, w, 84, 6, 70, 26, "Circle", &H50000000, "BUTTON", 32
WINDOW b, w, 160, 6, 70, 26, "Fill", &H50000000, "BUTTON", 34
WINDOW b, w, 236, 6, 70, 26, "Clear", &H50000000, "BUTTON", 33

DIM colour$(6)
colour$(0) = "black": colour$(1) = "blue": colour$(2) = "red"
colour$(4) = "green": colour$(6) = "yellow"
ink = 12: tool = 31: down = 0
PRINT "Draw: choose a colour in the Colour menu, a tool with the buttons,"
PRINT "then drag with the left mouse button in the Draw window."
' Graphics go to the Draw window; the console only shows what happened.
WSELECT w
GOSUB *paper
GOSUB *status
say$ = "ready": GOSUB *say

*events
WEVENT hw, msg, wp, lp
IF hw <> w THEN GOTO *events
x = lp AND &HFFFF: y = lp \ 65536
IF msg = 273 THEN GOSUB *command
IF msg = 513 THEN GOSUB *press
IF msg = 512 AND down = 1 AND tool = 31 THEN LINE -(x,y), ink - 10
IF msg = 514 AND down = 1 THEN GOSUB *release
IF msg = 16 THEN GOTO *quit
GOTO *events

*command
id = wp AND &HFFFF
IF id >= 10 AND id <= 16 THEN ink = id: GOSUB *status
IF id = 31 OR id = 32 OR id = 34 THEN tool = id: GOSUB *status
IF id = 21 OR id = 33 THEN GOSUB *paper: say$ = "cleared": GOSUB *say
IF id = 29 THEN GOTO *quit
RETURN

*press
IF y < 40 THEN RETURN
IF tool = 34 THEN PAINT (x,y), ink - 10, ink - 10: say$ = "filled at " + STR$(x) + "," + STR$(y): GOSUB *say: RETURN
down = 1: cx = x: cy = y
PMOVE (x,y)
RETURN

*release
down = 0
IF tool = 31 THEN LINE -(x,y), ink - 10: say$ = "line to " + STR$(x) + "," + STR$(y): GOSUB *say
IF tool = 32 THEN GOSUB *circle
RETURN

*circle
r = INT(SQR((x - cx) ^ 2 + (y - cy) ^ 2))
IF r > 0 THEN CIRCLE (cx,cy), r, ink - 10: say$ = "circle at " + STR$(cx) + "," + STR$(cy) + " radius " + STR$(r): GOSUB *say
RETURN

' A white page below a grey strip for the buttons.
*paper
CLS 2
LINE (0,0)-(1000,37), RGB(212,208,200), BF
RETURN

*status
t$ = "line"
IF tool = 32 THEN t$ = "circle"
IF tool = 34 THEN t$ = "fill"
SENDMSG w, 12, 0, "Draw - " + colour$(ink - 10) + " " + t$
say$ = "colour " + colour$(ink - 10) + ", tool " + t$: GOSUB *say
RETURN

*say
WSELECT HWND
PRINT say$
WSELECT w
RETURN

*quit
WCLOSE w
PRINT "bye"
END
