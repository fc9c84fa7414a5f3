// The statement codes: one row per code, defined once. The dispatcher's routing,
// the code names (Stmt, statement_codes.h), the tokeniser's keywords, the
// disassembler's names, the headless host's refusals and the reference check are
// all derived from this list. The handlers are not named here: each subsystem
// registers its own (HandlerTable, handler_table.h); a code without one says
// "ROLE: not built yet".
//
// X(name, code, keyword, flags, needs, refusal, role)
//   name     the code's name in Stmt (Stmt::kPrint)
//   keyword  source-language keyword ("" for codes that only the tokeniser emits)
//   flags    StmtFlag bits (see statements.h)
//   needs    the device the statement cannot run without (Needs, needs.h)
//   refusal  what a host without that device calls the statement when it refuses
#pragma once

#define TESS_STATEMENTS(X)                                                                                                                        \
  X(kPrint,       0x1010, "PRINT",       kNone,         kNothing,     "",                    "print to the current window or a file")             \
  X(kInput,       0x1011, "INPUT",       kNone,         kNothing,     "",                    "input from the keyboard or a file")                 \
  X(kOpen,        0x1012, "OPEN",        kNone,         kNothing,     "",                    "open a file or a serial port")                      \
  X(kClose,       0x1013, "CLOSE",       kNone,         kNothing,     "",                    "close files")                                       \
  X(kKey,         0x1014, "KEY",         kNone,         kNothing,     "",                    "function-key trap on / off / stop")                 \
  X(kMouse,       0x1015, "MOUSE",       kNone,         kNothing,     "",                    "mouse trap on / off / stop")                        \
  X(kLprint,      0x1016, "LPRINT",      kNone,         kPrinter,     "printer",             "print on the printer")                              \
  X(kField,       0x1017, "FIELD",       kNone,         kNothing,     "",                    "declare the fields of a random-access file")        \
  X(kLset,        0x1018, "LSET",        kNone,         kNothing,     "",                    "left-justified field assignment")                   \
  X(kRset,        0x1019, "RSET",        kNone,         kNothing,     "",                    "right-justified field assignment")                  \
  X(kWrite,       0x101A, "WRITE",       kNone,         kNothing,     "",                    "write items to the current window or a file")       \
  X(kRun,         0x1020, "RUN",         kThread,       kNothing,     "",                    "restart at a target, optionally keeping variables") \
  X(kIf,          0x1021, "IF",          kThread,       kNothing,     "",                    "conditional (then / else, one-line or braces)")     \
  X(kGoto,        0x1023, "GOTO",        kThread,       kNothing,     "",                    "jump")                                              \
  X(kGosub,       0x1024, "GOSUB",       kThread,       kNothing,     "",                    "call a subroutine")                                 \
  X(kReturn,      0x1025, "RETURN",      kThread,       kNothing,     "",                    "return from a subroutine")                          \
  X(kOn,          0x1026, "ON",          kThread,       kNothing,     "",                    "computed branch; registers key and mouse handlers") \
  X(kFor,         0x1027, "FOR",         kThread,       kNothing,     "",                    "counted loop head")                                 \
  X(kNext,        0x1030, "NEXT",        kThread,       kNothing,     "",                    "counted loop end")                                  \
  X(kExit,        0x1031, "EXIT",        kThread,       kNothing,     "",                    "clearing jump: clears skip mode")                   \
  X(kWhile,       0x1032, "WHILE",       kThread,       kNothing,     "",                    "conditional-loop test")                             \
  X(kWend,        0x1033, "WEND",        kThread,       kNothing,     "",                    "plain jump (loop back)")                            \
  X(kThread,      0x1034, "THREAD",      kNone,         kNothing,     "",                    "start an execution thread")                         \
  X(kChdir,       0x1035, "CHDIR",       kNone,         kNothing,     "",                    "change directory")                                  \
  X(kCopy,        0x1036, "COPY",        kNone,         kNothing,     "",                    "copy a file")                                       \
  X(kKill,        0x1037, "KILL",        kNone,         kNothing,     "",                    "delete a file")                                     \
  X(kMkdir,       0x1038, "MKDIR",       kNone,         kNothing,     "",                    "make a directory")                                  \
  X(kName,        0x1039, "NAME",        kNone,         kNothing,     "",                    "rename a file")                                     \
  X(kFiles,       0x103A, "FILES",       kNone,         kNothing,     "",                    "list files")                                        \
  X(kLoadImage,   0x1040, "LOADIMAGE",   kNone,         kDisplay,     "load image",          "load an image")                                     \
  X(kCircle,      0x1041, "CIRCLE",      kNone,         kDisplay,     "circle",              "circle, arc or ellipse")                            \
  X(kPaint,       0x1042, "PAINT",       kNone,         kDisplay,     "paint",               "paint (flood fill)")                                \
  X(kPmove,       0x1043, "PMOVE",       kNone,         kNothing,     "",                    "move the last point")                               \
  X(kPreset,      0x1044, "PRESET",      kNone,         kDisplay,     "erase point",         "erase a point")                                     \
  X(kPset,        0x1045, "PSET",        kNone,         kDisplay,     "point",               "point")                                             \
  X(kScroll,      0x1046, "SCROLL",      kNone,         kDisplay,     "scroll graphics",     "scroll the graphics")                               \
  X(kGprint,      0x1047, "GPRINT",      kNone,         kDisplay,     "text",                "draw text")                                         \
  X(kMci,         0x1050, "MCI",         kNone,         kSound,       "MCI command",         "send an MCI command string")                        \
  X(kPlay,        0x1051, "PLAY",        kReleasesLock, kSoundForm,   "music",               "play music strings")                                \
  X(kClear,       0x1060, "CLEAR",       kNone,         kNothing,     "",                    "interpreter reset (clear all variables)")           \
  X(kDim,         0x1061, "DIM",         kNone,         kNothing,     "",                    "declare variables and arrays (dimension)")          \
  X(kErase,       0x1062, "ERASE",       kNone,         kNothing,     "",                    "erase arrays and array elements")                   \
  X(kDefint,      0x1063, "DEFINT",      kNone,         kNothing,     "",                    "default type by initial letter")                    \
  X(kData,        0x1064, "DATA",        kNone,         kNothing,     "",                    "data statement: does nothing when executed")        \
  X(kRead,        0x1065, "READ",        kNone,         kNothing,     "",                    "read data items into variables")                    \
  X(kRestore,     0x1066, "RESTORE",     kNone,         kNothing,     "",                    "restore the data pointer")                          \
  X(kSwap,        0x1067, "SWAP",        kNone,         kNothing,     "",                    "swap two variables")                                \
  X(kBeep,        0x1070, "BEEP",        kNone,         kNothing,     "",                    "beep")                                              \
  X(kCls,         0x1071, "CLS",         kNone,         kNothing,     "",                    "clear screen")                                      \
  X(kColor,       0x1072, "COLOR",       kNone,         kNothing,     "",                    "colour")                                            \
  X(kDef,         0x1073, "DEF",         kNoExpand,     kNothing,     "",                    "define a user function")                            \
  X(kEnd,         0x1078, "END",         kThread,       kNothing,     "",                    "end the program or the thread")                     \
  X(kShell,       0x1079, "SHELL",       kNone,         kShell,       "shell open",          "start a program or open a document")                \
  X(kLet,         0x107A, "LET",         kNone,         kNothing,     "",                    "assignment (explicit form)")                        \
  X(kLocate,      0x107B, "LOCATE",      kNone,         kNothing,     "",                    "set the text position of the current window")       \
  X(kMid,         0x107C, "MID$",        kNone,         kNothing,     "",                    "replace part of a string variable")                 \
  X(kRandomize,   0x107D, "RANDOMIZE",   kNone,         kNothing,     "",                    "seed the random numbers")                           \
  X(kNop,         0x107E, "NOP",         kNone,         kNothing,     "",                    "does nothing")                                      \
  X(kPrinter,     0x107F, "PRINTER",     kNone,         kPrinter,     "choose printer",      "choose the printer")                                \
  X(kClipboard,   0x1080, "CLIPBOARD",   kNone,         kClipboard,   "clipboard text",      "put text on the clipboard")                         \
  X(kSetenv,      0x1081, "SETENV",      kNone,         kNothing,     "",                    "set an environment variable")                       \
  X(kWait,        0x1082, "WAIT",        kReleasesLock, kNothing,     "",                    "wait a number of milliseconds")                     \
  X(kConsole,     0x1084, "CONSOLE",     kNone,         kNothing,     "",                    "set the console text area")                         \
  X(kWclose,      0x1090, "WCLOSE",      kNone,         kDisplay,     "close window",        "close a window")                                    \
  X(kWevent,      0x1091, "WEVENT",      kNone,         kDisplay,     "wait for event",      "wait for a window event")                           \
  X(kMsgbox,      0x1092, "MSGBOX",      kNone,         kDisplay,     "message box",         "message box")                                       \
  X(kSendmsg,     0x1093, "SENDMSG",     kNone,         kDisplay,     "send message",        "send a message to a window")                        \
  X(kScrollbar,   0x1094, "SCROLLBAR",   kNone,         kDisplay,     "scroll bar",          "scroll bar")                                        \
  X(kWshow,       0x1095, "WSHOW",       kNone,         kDisplay,     "show window",         "show a window")                                     \
  X(kWselect,     0x1096, "WSELECT",     kNone,         kDisplay,     "window selection",    "window selection (the current text window)")        \
  X(kWindow,      0x1097, "WINDOW",      kNone,         kDisplay,     "create window",       "create a window or control")                        \
  X(kWmove,       0x1098, "WMOVE",       kNone,         kDisplay,     "move window",         "move a window")                                     \
  X(kMenu,        0x10B0, "MENU",        kNone,         kDisplay,     "create menu",         "create menu")                                       \
  X(kPopupMenu,   0x10B1, "POPUPMENU",   kNone,         kDisplay,     "create pop-up menu",  "create pop-up menu")                                \
  X(kDeleteMenu,  0x10B2, "DELETEMENU",  kNone,         kDisplay,     "delete menu item",    "delete menu item")                                  \
  X(kDestroyMenu, 0x10B3, "DESTROYMENU", kNone,         kDisplay,     "destroy menu",        "destroy menu")                                      \
  X(kDrawMenu,    0x10B4, "DRAWMENU",    kNone,         kDisplay,     "redraw menu bar",     "redraw menu bar")                                   \
  X(kEnableMenu,  0x10B5, "ENABLEMENU",  kNone,         kDisplay,     "enable menu item",    "enable menu item")                                  \
  X(kInsertMenu,  0x10B6, "INSERTMENU",  kNone,         kDisplay,     "insert menu item",    "insert menu item")                                  \
  X(kRemoveMenu,  0x10B7, "REMOVEMENU",  kNone,         kDisplay,     "remove menu item",    "remove menu item")                                  \
  X(kSysMenu,     0x10B8, "SYSMENU",     kNone,         kDisplay,     "restore system menu", "restore system menu")                               \
  X(kSetMenu,     0x10B9, "SETMENU",     kNone,         kDisplay,     "set menu",            "set menu")                                          \
  X(kTrackMenu,   0x10BA, "TRACKMENU",   kNone,         kDisplay,     "track pop-up menu",   "track pop-up menu")                                 \
  X(kGet,         0x1110, "GET",         kNone,         kDisplayForm, "get image",           "read a record (#) or get an image")                 \
  X(kPut,         0x1112, "PUT",         kNone,         kDisplayForm, "put image",           "write a record (#) or put an image")                \
  X(kLine,        0x1114, "LINE",        kNone,         kDisplayForm, "line",                "line input, or line drawing")
