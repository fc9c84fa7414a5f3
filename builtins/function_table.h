// The function codes: one row per built-in, defined once. Call expansion's
// routing, the tokeniser's keywords, the disassembler's names and the reference
// check are derived from this list.
//
// X(code, keyword, handler, role)
//   handler  `std::string handler(Interpreter&, std::string_view args)` returning
//            value text, declared in builtins/functions.h, or NOT_BUILT
#pragma once

#define TESS_FUNCTIONS(X)                                                            \
  X(0x1010, "CDBL", fn_cdbl, "numeric value of the argument")                        \
  X(0x1011, "CINT", fn_cint, "nearest integer, halves upward")                       \
  X(0x1012, "CSNG", fn_csng, "numeric value, 6 significant digits")                  \
  X(0x1020, "ABS", fn_abs, "absolute value")                                         \
  X(0x1021, "ATN", fn_atn, "arc tangent")                                            \
  X(0x1023, "COS", fn_cos, "cosine")                                                 \
  X(0x1024, "EXP", fn_exp, "exponential")                                            \
  X(0x1025, "FIX", fn_fix, "truncate toward zero")                                   \
  X(0x1026, "INT", fn_int, "floor")                                                  \
  X(0x1027, "LOG", fn_log, "natural logarithm")                                      \
  X(0x102A, "RND", fn_rnd, "random number")                                          \
  X(0x102B, "SGN", fn_sgn, "sign")                                                   \
  X(0x102C, "SIN", fn_sin, "sine")                                                   \
  X(0x102D, "SQR", fn_sqr, "square root")                                            \
  X(0x102E, "TAN", fn_tan, "tangent")                                                \
  X(0x102F, "LOWORD", fn_loword, "low 16 bits")                                      \
  X(0x1030, "HIWORD", fn_hiword, "high 16 bits")                                     \
  X(0x1031, "MAKELONG", fn_makelong, "32-bit value from low and high words")         \
  X(0x1110, "ZEN$", fn_zen, "to double-byte (full-width) characters")                \
  X(0x1111, "ASC", fn_asc, "code of the first byte")                                 \
  X(0x1112, "CHR$", fn_chr, "one-character string from a code")                     \
  X(0x1113, "DATE$", fn_date, "today's date")                                      \
  X(0x1114, "HEX$", fn_hex, "hexadecimal text")                                      \
  X(0x1115, "INKEY$", fn_last_key, "last key")                                         \
  X(0x1116, "INPUT$", fn_wait_characters, "wait for typed characters")                        \
  X(0x1117, "INSTR", fn_instr, "byte position of a substring")                       \
  X(0x1118, "HAN$", fn_han, "to single-byte (half-width) characters")                \
  X(0x1119, "KINSTR", fn_kinstr, "character position of a substring")                \
  X(0x111A, "KLEN", fn_klen, "length in characters")                                 \
  X(0x111B, "KMID$", fn_kmid, "middle part by characters")                           \
  X(0x111C, "LEFT$", fn_left, "left part")                                           \
  X(0x111D, "LEN", fn_len, "length in bytes")                                        \
  X(0x111E, "MID$", fn_mid, "middle part by bytes")                                  \
  X(0x111F, "OCT$", fn_oct, "octal text")                                            \
  X(0x1120, "RIGHT$", fn_right, "right part")                                        \
  X(0x1121, "SPACE$", fn_space, "blanks")                                            \
  X(0x1123, "STR$", fn_str, "number to string")                                      \
  X(0x1124, "STRING$", fn_string, "a character repeated")                            \
  X(0x1125, "TIME$", fn_time, "time of day")                                       \
  X(0x1126, "VAL", fn_val, "string to number")                                       \
  X(0x1210, "CURDIR$", fn_curdir, "current directory")                               \
  X(0x1211, "EOF", fn_eof, "end-of-file test")                                    \
  X(0x1212, "LOF", fn_lof, "file length")                                         \
  X(0x1213, "LOC", fn_loc, "file position or bytes received")                    \
  X(0x1310, "HWND", fn_hwnd, "handle of the console window")                       \
  X(0x1380, "GETMENU", fn_get_menu, "menu of a window")                                \
  X(0x1381, "GETSUBMENU", fn_get_submenu, "submenu at a position")                        \
  X(0x1382, "MENUSTR$", fn_menu_string, "text of a menu item")                            \
  X(0x1383, "GETSYSMENU", fn_get_system_menu, "system menu of a window")                      \
  X(0x1510, "CLIPBOARD$", fn_clipboard, "clipboard text")                               \
  X(0x1511, "COMMAND$", fn_command, "command line of the run")                        \
  X(0x1512, "ENVIRON$", fn_environ, "environment variable")                           \
  X(0x1513, "KEYSTATE", fn_key_state, "key state")                                      \
  X(0x1514, "MOUSESTAT", fn_mouse_state, "mouse state")                                   \
  X(0x1515, "POINT", fn_point, "colour of a pixel")                                 \
  X(0x1516, "RGB", fn_rgb, "colour value")                                        \
  X(0x1517, "SYSMETRICS", fn_system_metric, "system metric")                                \
  X(0x1610, "FN", NOT_BUILT, "user function")
