// The function codes: one row per built-in, defined once. Call expansion's
// routing, the tokeniser's keywords, the disassembler's names and the reference
// check are derived from this list.
//
// X(code, keyword, handler, role)
//   handler  `std::string handler(Interpreter&, std::string_view args)` returning
//            value text, declared in builtins/functions.h, or NOT_BUILT
#pragma once

#define TESS_FUNCTIONS(X)                                                            \
  X(0x1010, "CDBL", NOT_BUILT, "numeric value of the argument")                      \
  X(0x1011, "CINT", NOT_BUILT, "nearest integer, halves upward")                     \
  X(0x1012, "CSNG", NOT_BUILT, "numeric value, 6 significant digits")                \
  X(0x1020, "ABS", NOT_BUILT, "absolute value")                                      \
  X(0x1021, "ATN", NOT_BUILT, "arc tangent")                                         \
  X(0x1023, "COS", NOT_BUILT, "cosine")                                              \
  X(0x1024, "EXP", NOT_BUILT, "exponential")                                         \
  X(0x1025, "FIX", NOT_BUILT, "truncate toward zero")                                \
  X(0x1026, "INT", NOT_BUILT, "floor")                                               \
  X(0x1027, "LOG", NOT_BUILT, "natural logarithm")                                   \
  X(0x102A, "RND", NOT_BUILT, "random number")                                       \
  X(0x102B, "SGN", NOT_BUILT, "sign")                                                \
  X(0x102C, "SIN", NOT_BUILT, "sine")                                                \
  X(0x102D, "SQR", NOT_BUILT, "square root")                                         \
  X(0x102E, "TAN", NOT_BUILT, "tangent")                                             \
  X(0x102F, "LOWORD", NOT_BUILT, "low 16 bits")                                      \
  X(0x1030, "HIWORD", NOT_BUILT, "high 16 bits")                                     \
  X(0x1031, "MAKELONG", NOT_BUILT, "32-bit value from low and high words")           \
  X(0x1110, "ZEN$", NOT_BUILT, "to double-byte (full-width) characters")             \
  X(0x1111, "ASC", NOT_BUILT, "code of the first byte")                              \
  X(0x1112, "CHR$", NOT_BUILT, "one-character string from a code")                  \
  X(0x1113, "DATE$", NOT_BUILT, "today's date")                                      \
  X(0x1114, "HEX$", NOT_BUILT, "hexadecimal text")                                   \
  X(0x1115, "INKEY$", NOT_BUILT, "last key")                                         \
  X(0x1116, "INPUT$", NOT_BUILT, "wait for typed characters")                        \
  X(0x1117, "INSTR", NOT_BUILT, "byte position of a substring")                      \
  X(0x1118, "HAN$", NOT_BUILT, "to single-byte (half-width) characters")             \
  X(0x1119, "KINSTR", NOT_BUILT, "character position of a substring")                \
  X(0x111A, "KLEN", NOT_BUILT, "length in characters")                               \
  X(0x111B, "KMID$", NOT_BUILT, "middle part by characters")                         \
  X(0x111C, "LEFT$", NOT_BUILT, "left part")                                         \
  X(0x111D, "LEN", NOT_BUILT, "length in bytes")                                     \
  X(0x111E, "MID$", NOT_BUILT, "middle part by bytes")                               \
  X(0x111F, "OCT$", NOT_BUILT, "octal text")                                         \
  X(0x1120, "RIGHT$", NOT_BUILT, "right part")                                       \
  X(0x1121, "SPACE$", NOT_BUILT, "blanks")                                           \
  X(0x1123, "STR$", NOT_BUILT, "number to string")                                   \
  X(0x1124, "STRING$", NOT_BUILT, "a character repeated")                            \
  X(0x1125, "TIME$", NOT_BUILT, "time of day")                                       \
  X(0x1126, "VAL", NOT_BUILT, "string to number")                                    \
  X(0x1210, "CURDIR$", NOT_BUILT, "current directory")                               \
  X(0x1211, "EOF", NOT_BUILT, "end-of-file test")                                    \
  X(0x1212, "LOF", NOT_BUILT, "file length")                                         \
  X(0x1213, "LOC", NOT_BUILT, "file position or bytes received")                    \
  X(0x1310, "HWND", NOT_BUILT, "handle of the console window")                       \
  X(0x1380, "GETMENU", NOT_BUILT, "menu of a window")                                \
  X(0x1381, "GETSUBMENU", NOT_BUILT, "submenu at a position")                        \
  X(0x1382, "MENUSTR$", NOT_BUILT, "text of a menu item")                            \
  X(0x1383, "GETSYSMENU", NOT_BUILT, "system menu of a window")                      \
  X(0x1510, "CLIPBOARD$", NOT_BUILT, "clipboard text")                               \
  X(0x1511, "COMMAND$", NOT_BUILT, "command line of the run")                        \
  X(0x1512, "ENVIRON$", NOT_BUILT, "environment variable")                           \
  X(0x1513, "KEYSTATE", NOT_BUILT, "key state")                                      \
  X(0x1514, "MOUSESTAT", NOT_BUILT, "mouse state")                                   \
  X(0x1515, "POINT", NOT_BUILT, "colour of a pixel")                                 \
  X(0x1516, "RGB", NOT_BUILT, "colour value")                                        \
  X(0x1517, "SYSMETRICS", NOT_BUILT, "system metric")                                \
  X(0x1610, "FN", NOT_BUILT, "user function")
