// The statement codes: one row per code, defined once. The dispatcher's routing,
// the tokeniser's keywords, the disassembler's names and the reference check are
// all derived from this list.
//
// X(code, keyword, handler, flags, role)
//   keyword  source-language keyword ("" for codes that only the tokeniser emits)
//   handler  a function `void handler(Exec&, std::string_view args)` declared in
//            interp/handlers.h, or NOT_BUILT while its subsystem is still to come
//   flags    StmtFlag bits (see statements.h)
#pragma once

#define TESS_STATEMENTS(X)                                                                  \
  X(0x1010, "PRINT", stmt_print, kNone, "print to the current window or a file")              \
  X(0x1011, "INPUT", stmt_input, kNone, "input from the keyboard or a file")                  \
  X(0x1012, "OPEN", stmt_open, kNone, "open a file or a serial port")                        \
  X(0x1013, "CLOSE", stmt_close, kNone, "close files")                                        \
  X(0x1014, "KEY", stmt_key_trap, kNone, "function-key trap on / off / stop")                    \
  X(0x1015, "MOUSE", stmt_mouse_trap, kNone, "mouse trap on / off / stop")                         \
  X(0x1016, "LPRINT", stmt_lprint, kNone, "print on the printer")                              \
  X(0x1017, "FIELD", stmt_field, kNone, "declare the fields of a random-access file")         \
  X(0x1018, "LSET", stmt_lset, kNone, "left-justified field assignment")                     \
  X(0x1019, "RSET", stmt_rset, kNone, "right-justified field assignment")                    \
  X(0x101A, "WRITE", stmt_write, kNone, "write items to the current window or a file")        \
  X(0x1020, "RUN", stmt_restart, kThread, "restart at a target, optionally keeping variables")  \
  X(0x1021, "IF", stmt_conditional, kThread, "conditional (then / else, one-line or braces)")       \
  X(0x1023, "GOTO", stmt_jump, kThread, "jump")                                              \
  X(0x1024, "GOSUB", stmt_call, kThread, "call a subroutine")                                \
  X(0x1025, "RETURN", stmt_return, kThread, "return from a subroutine")                        \
  X(0x1026, "ON", stmt_computed_branch, kThread, "computed branch; registers key and mouse handlers")   \
  X(0x1027, "FOR", stmt_loop_head, kThread, "counted loop head")                                  \
  X(0x1030, "NEXT", stmt_loop_end, kThread, "counted loop end")                                  \
  X(0x1031, "EXIT", stmt_clearing_jump, kThread, "clearing jump: clears skip mode")                       \
  X(0x1032, "WHILE", stmt_loop_test, kThread, "conditional-loop test")                            \
  X(0x1033, "WEND", stmt_plain_jump, kThread, "plain jump (loop back)")                            \
  X(0x1034, "THREAD", stmt_thread, kNone, "start an execution thread")                         \
  X(0x1035, "CHDIR", stmt_chdir, kNone, "change directory")                                   \
  X(0x1036, "COPY", stmt_copy, kNone, "copy a file")                                         \
  X(0x1037, "KILL", stmt_kill, kNone, "delete a file")                                       \
  X(0x1038, "MKDIR", stmt_mkdir, kNone, "make a directory")                                   \
  X(0x1039, "NAME", stmt_name, kNone, "rename a file")                                       \
  X(0x103A, "FILES", stmt_files, kNone, "list files")                                         \
  X(0x1040, "LOADIMAGE", stmt_load_image, kNone, "load an image")                                      \
  X(0x1041, "CIRCLE", stmt_circle, kNone, "circle, arc or ellipse")                            \
  X(0x1042, "PAINT", stmt_paint, kNone, "paint (flood fill)")                                 \
  X(0x1043, "PMOVE", stmt_move_point, kNone, "move the last point")                                \
  X(0x1044, "PRESET", stmt_preset, kNone, "erase a point")                                     \
  X(0x1045, "PSET", stmt_pset, kNone, "point")                                               \
  X(0x1046, "SCROLL", stmt_scroll_graphics, kNone, "scroll the graphics")                               \
  X(0x1047, "GPRINT", stmt_gprint, kNone, "draw text")                                         \
  X(0x1050, "MCI", stmt_mci, kNone, "send an MCI command string")                           \
  X(0x1051, "PLAY", stmt_play, kReleasesLock, "play music strings")                          \
  X(0x1060, "CLEAR", stmt_reset, kNone, "interpreter reset (clear all variables)")            \
  X(0x1061, "DIM", stmt_declare, kNone, "declare variables and arrays (dimension)")             \
  X(0x1062, "ERASE", stmt_erase, kNone, "erase arrays and array elements")                   \
  X(0x1063, "DEFINT", stmt_type_default, kNone, "default type by initial letter")                   \
  X(0x1064, "DATA", stmt_nothing, kNone, "data statement: does nothing when executed")       \
  X(0x1065, "READ", stmt_read, kNone, "read data items into variables")                      \
  X(0x1066, "RESTORE", stmt_restore, kNone, "restore the data pointer")                         \
  X(0x1067, "SWAP", stmt_swap, kNone, "swap two variables")                                  \
  X(0x1070, "BEEP", stmt_beep, kNone, "beep")                                                \
  X(0x1071, "CLS", stmt_cls, kNone, "clear screen")                                         \
  X(0x1072, "COLOR", stmt_color, kNone, "colour")                                             \
  X(0x1073, "DEF", stmt_def, kNoExpand, "define a user function")                            \
  X(0x1078, "END", stmt_end, kThread, "end the program or the thread")                      \
  X(0x1079, "SHELL", stmt_shell, kNone, "start a program or open a document")                 \
  X(0x107A, "LET", stmt_let, kNone, "assignment (explicit form)")                            \
  X(0x107B, "LOCATE", stmt_locate, kNone, "set the text position of the current window")       \
  X(0x107C, "MID$", stmt_replace_part, kNone, "replace part of a string variable")                   \
  X(0x107D, "RANDOMIZE", stmt_randomize, kNone, "seed the random numbers")                        \
  X(0x107E, "NOP", stmt_nothing, kNone, "does nothing")                                      \
  X(0x107F, "PRINTER", stmt_choose_printer, kNone, "choose the printer")                               \
  X(0x1080, "CLIPBOARD", stmt_clipboard, kNone, "put text on the clipboard")                      \
  X(0x1081, "SETENV", stmt_setenv, kNone, "set an environment variable")                       \
  X(0x1082, "WAIT", stmt_wait, kReleasesLock, "wait a number of milliseconds")               \
  X(0x1084, "CONSOLE", stmt_console_area, kNone, "set the console text area")                        \
  X(0x1090, "WCLOSE", stmt_wclose, kNone, "close a window")                                    \
  X(0x1091, "WEVENT", stmt_wevent, kNone, "wait for a window event")                           \
  X(0x1092, "MSGBOX", stmt_msgbox, kNone, "message box")                                       \
  X(0x1093, "SENDMSG", stmt_sendmsg, kNone, "send a message to a window")                       \
  X(0x1094, "SCROLLBAR", stmt_scroll_bar, kNone, "scroll bar")                                     \
  X(0x1095, "WSHOW", stmt_wshow, kNone, "show a window")                                      \
  X(0x1096, "WSELECT", stmt_wselect, kNone, "window selection (the current text window)")       \
  X(0x1097, "WINDOW", stmt_window, kNone, "create a window or control")                        \
  X(0x1098, "WMOVE", stmt_wmove, kNone, "move a window")                                      \
  X(0x10B0, "MENU", stmt_menu, kNone, "create menu")                                         \
  X(0x10B1, "POPUPMENU", stmt_popup_menu, kNone, "create pop-up menu")                             \
  X(0x10B2, "DELETEMENU", stmt_delete_menu, kNone, "delete menu item")                              \
  X(0x10B3, "DESTROYMENU", stmt_destroy_menu, kNone, "destroy menu")                                 \
  X(0x10B4, "DRAWMENU", stmt_draw_menu, kNone, "redraw menu bar")                                 \
  X(0x10B5, "ENABLEMENU", stmt_enable_menu, kNone, "enable menu item")                              \
  X(0x10B6, "INSERTMENU", stmt_insert_menu, kNone, "insert menu item")                              \
  X(0x10B7, "REMOVEMENU", stmt_remove_menu, kNone, "remove menu item")                              \
  X(0x10B8, "SYSMENU", stmt_system_menu, kNone, "restore system menu")                              \
  X(0x10B9, "SETMENU", stmt_set_menu, kNone, "set menu")                                         \
  X(0x10BA, "TRACKMENU", stmt_track_menu, kNone, "track pop-up menu")                              \
  X(0x1110, "GET", stmt_get, kNone, "read a record (#) or get an image")                    \
  X(0x1112, "PUT", stmt_put, kNone, "write a record (#) or put an image")                   \
  X(0x1114, "LINE", stmt_line, kNone, "line input, or line drawing")
