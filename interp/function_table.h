// The function codes: one row per built-in, defined once. Call expansion's
// routing, the code names (Fn, function_codes.h), the tokeniser's keywords, the
// disassembler's names, the headless host's refusals and the reference check are
// derived from this list. The built-ins are registered by their subsystems
// (HandlerTable, handler_table.h); FN calls the program's own functions.
//
// X(name, code, keyword, needs, refusal, role)
//   name     the code's name in Fn (Fn::kSin)
//   needs    the device the function cannot run without (Needs, interp/needs.h)
//   refusal  what a host without that device calls the function when it refuses
#pragma once

#define TESS_FUNCTIONS(X)                                                                                               \
  X(kCdbl,         0x1010, "CDBL",       kNothing,   "",                      "numeric value of the argument")          \
  X(kCint,         0x1011, "CINT",       kNothing,   "",                      "nearest integer, halves upward")         \
  X(kCsng,         0x1012, "CSNG",       kNothing,   "",                      "numeric value, 6 significant digits")    \
  X(kAbs,          0x1020, "ABS",        kNothing,   "",                      "absolute value")                         \
  X(kAtn,          0x1021, "ATN",        kNothing,   "",                      "arc tangent")                            \
  X(kCos,          0x1023, "COS",        kNothing,   "",                      "cosine")                                 \
  X(kExp,          0x1024, "EXP",        kNothing,   "",                      "exponential")                            \
  X(kFix,          0x1025, "FIX",        kNothing,   "",                      "truncate toward zero")                   \
  X(kInt,          0x1026, "INT",        kNothing,   "",                      "floor")                                  \
  X(kLog,          0x1027, "LOG",        kNothing,   "",                      "natural logarithm")                      \
  X(kRnd,          0x102A, "RND",        kNothing,   "",                      "random number")                          \
  X(kSgn,          0x102B, "SGN",        kNothing,   "",                      "sign")                                   \
  X(kSin,          0x102C, "SIN",        kNothing,   "",                      "sine")                                   \
  X(kSqr,          0x102D, "SQR",        kNothing,   "",                      "square root")                            \
  X(kTan,          0x102E, "TAN",        kNothing,   "",                      "tangent")                                \
  X(kLoWord,       0x102F, "LOWORD",     kNothing,   "",                      "low 16 bits")                            \
  X(kHiWord,       0x1030, "HIWORD",     kNothing,   "",                      "high 16 bits")                           \
  X(kMakeLong,     0x1031, "MAKELONG",   kNothing,   "",                      "32-bit value from low and high words")   \
  X(kZen,          0x1110, "ZEN$",       kNothing,   "",                      "to double-byte (full-width) characters") \
  X(kAsc,          0x1111, "ASC",        kNothing,   "",                      "code of the first byte")                 \
  X(kChr,          0x1112, "CHR$",       kNothing,   "",                      "one-character string from a code")       \
  X(kDate,         0x1113, "DATE$",      kNothing,   "",                      "today's date")                           \
  X(kHex,          0x1114, "HEX$",       kNothing,   "",                      "hexadecimal text")                       \
  X(kInkey,        0x1115, "INKEY$",     kNothing,   "",                      "last key")                               \
  X(kInput,        0x1116, "INPUT$",     kNothing,   "",                      "wait for typed characters")              \
  X(kInstr,        0x1117, "INSTR",      kNothing,   "",                      "byte position of a substring")           \
  X(kHan,          0x1118, "HAN$",       kNothing,   "",                      "to single-byte (half-width) characters") \
  X(kKinstr,       0x1119, "KINSTR",     kNothing,   "",                      "character position of a substring")      \
  X(kKlen,         0x111A, "KLEN",       kNothing,   "",                      "length in characters")                   \
  X(kKmid,         0x111B, "KMID$",      kNothing,   "",                      "middle part by characters")              \
  X(kLeft,         0x111C, "LEFT$",      kNothing,   "",                      "left part")                              \
  X(kLen,          0x111D, "LEN",        kNothing,   "",                      "length in bytes")                        \
  X(kMid,          0x111E, "MID$",       kNothing,   "",                      "middle part by bytes")                   \
  X(kOct,          0x111F, "OCT$",       kNothing,   "",                      "octal text")                             \
  X(kRight,        0x1120, "RIGHT$",     kNothing,   "",                      "right part")                             \
  X(kSpace,        0x1121, "SPACE$",     kNothing,   "",                      "blanks")                                 \
  X(kStr,          0x1123, "STR$",       kNothing,   "",                      "number to string")                       \
  X(kString,       0x1124, "STRING$",    kNothing,   "",                      "a character repeated")                   \
  X(kTime,         0x1125, "TIME$",      kNothing,   "",                      "time of day")                            \
  X(kVal,          0x1126, "VAL",        kNothing,   "",                      "string to number")                       \
  X(kCurdir,       0x1210, "CURDIR$",    kNothing,   "",                      "current directory")                      \
  X(kEof,          0x1211, "EOF",        kNothing,   "",                      "end-of-file test")                       \
  X(kLof,          0x1212, "LOF",        kNothing,   "",                      "file length")                            \
  X(kLoc,          0x1213, "LOC",        kNothing,   "",                      "file position or bytes received")        \
  X(kHwnd,         0x1310, "HWND",       kDisplay,   "console window handle", "handle of the console window")           \
  X(kGetMenu,      0x1380, "GETMENU",    kDisplay,   "menu of a window",      "menu of a window")                       \
  X(kGetSubmenu,   0x1381, "GETSUBMENU", kDisplay,   "submenu",               "submenu at a position")                  \
  X(kMenuStr,      0x1382, "MENUSTR$",   kDisplay,   "MenuStr$",              "text of a menu item")                    \
  X(kGetSysMenu,   0x1383, "GETSYSMENU", kDisplay,   "system menu",           "system menu of a window")                \
  X(kClipboard,    0x1510, "CLIPBOARD$", kClipboard, "clipboard text",        "clipboard text")                         \
  X(kCommand,      0x1511, "COMMAND$",   kNothing,   "",                      "command line of the run")                \
  X(kEnviron,      0x1512, "ENVIRON$",   kNothing,   "",                      "environment variable")                   \
  X(kKeyState,     0x1513, "KEYSTATE",   kNothing,   "",                      "key state")                              \
  X(kMouseStat,    0x1514, "MOUSESTAT",  kNothing,   "",                      "mouse state")                            \
  X(kPoint,        0x1515, "POINT",      kDisplay,   "Point",                 "colour of a pixel")                      \
  X(kRgb,          0x1516, "RGB",        kNothing,   "",                      "colour value")                           \
  X(kSysMetrics,   0x1517, "SYSMETRICS", kDisplay,   "system metric",         "system metric")                          \
  X(kUserFunction, 0x1610, "FN",         kNothing,   "",                      "user function")
