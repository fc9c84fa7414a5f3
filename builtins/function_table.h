// The function codes: one row per built-in, defined once. Call expansion's
// routing, the code names (Fn, function_codes.h), the tokeniser's keywords, the
// disassembler's names, the headless host's refusals and the reference check are
// derived from this list.
//
// X(name, code, keyword, handler, needs, refusal, role)
//   name     the code's name in Fn (Fn::kSin)
//   handler  `std::string handler(Interpreter&, std::string_view args)` returning
//            value text, declared in builtins/functions.h, or NOT_BUILT
//   needs    the device the function cannot run without (Needs, interp/needs.h)
//   refusal  what a host without that device calls the function when it refuses
#pragma once

#define TESS_FUNCTIONS(X)                                                                                                                   \
  X(kCdbl,         0x1010, "CDBL",       fn_cdbl,            kNothing,   "",                      "numeric value of the argument")          \
  X(kCint,         0x1011, "CINT",       fn_cint,            kNothing,   "",                      "nearest integer, halves upward")         \
  X(kCsng,         0x1012, "CSNG",       fn_csng,            kNothing,   "",                      "numeric value, 6 significant digits")    \
  X(kAbs,          0x1020, "ABS",        fn_abs,             kNothing,   "",                      "absolute value")                         \
  X(kAtn,          0x1021, "ATN",        fn_atn,             kNothing,   "",                      "arc tangent")                            \
  X(kCos,          0x1023, "COS",        fn_cos,             kNothing,   "",                      "cosine")                                 \
  X(kExp,          0x1024, "EXP",        fn_exp,             kNothing,   "",                      "exponential")                            \
  X(kFix,          0x1025, "FIX",        fn_fix,             kNothing,   "",                      "truncate toward zero")                   \
  X(kInt,          0x1026, "INT",        fn_int,             kNothing,   "",                      "floor")                                  \
  X(kLog,          0x1027, "LOG",        fn_log,             kNothing,   "",                      "natural logarithm")                      \
  X(kRnd,          0x102A, "RND",        fn_rnd,             kNothing,   "",                      "random number")                          \
  X(kSgn,          0x102B, "SGN",        fn_sgn,             kNothing,   "",                      "sign")                                   \
  X(kSin,          0x102C, "SIN",        fn_sin,             kNothing,   "",                      "sine")                                   \
  X(kSqr,          0x102D, "SQR",        fn_sqr,             kNothing,   "",                      "square root")                            \
  X(kTan,          0x102E, "TAN",        fn_tan,             kNothing,   "",                      "tangent")                                \
  X(kLoWord,       0x102F, "LOWORD",     fn_loword,          kNothing,   "",                      "low 16 bits")                            \
  X(kHiWord,       0x1030, "HIWORD",     fn_hiword,          kNothing,   "",                      "high 16 bits")                           \
  X(kMakeLong,     0x1031, "MAKELONG",   fn_makelong,        kNothing,   "",                      "32-bit value from low and high words")   \
  X(kZen,          0x1110, "ZEN$",       fn_zen,             kNothing,   "",                      "to double-byte (full-width) characters") \
  X(kAsc,          0x1111, "ASC",        fn_asc,             kNothing,   "",                      "code of the first byte")                 \
  X(kChr,          0x1112, "CHR$",       fn_chr,             kNothing,   "",                      "one-character string from a code")       \
  X(kDate,         0x1113, "DATE$",      fn_date,            kNothing,   "",                      "today's date")                           \
  X(kHex,          0x1114, "HEX$",       fn_hex,             kNothing,   "",                      "hexadecimal text")                       \
  X(kInkey,        0x1115, "INKEY$",     fn_last_key,        kNothing,   "",                      "last key")                               \
  X(kInput,        0x1116, "INPUT$",     fn_wait_characters, kNothing,   "",                      "wait for typed characters")              \
  X(kInstr,        0x1117, "INSTR",      fn_instr,           kNothing,   "",                      "byte position of a substring")           \
  X(kHan,          0x1118, "HAN$",       fn_han,             kNothing,   "",                      "to single-byte (half-width) characters") \
  X(kKinstr,       0x1119, "KINSTR",     fn_kinstr,          kNothing,   "",                      "character position of a substring")      \
  X(kKlen,         0x111A, "KLEN",       fn_klen,            kNothing,   "",                      "length in characters")                   \
  X(kKmid,         0x111B, "KMID$",      fn_kmid,            kNothing,   "",                      "middle part by characters")              \
  X(kLeft,         0x111C, "LEFT$",      fn_left,            kNothing,   "",                      "left part")                              \
  X(kLen,          0x111D, "LEN",        fn_len,             kNothing,   "",                      "length in bytes")                        \
  X(kMid,          0x111E, "MID$",       fn_mid,             kNothing,   "",                      "middle part by bytes")                   \
  X(kOct,          0x111F, "OCT$",       fn_oct,             kNothing,   "",                      "octal text")                             \
  X(kRight,        0x1120, "RIGHT$",     fn_right,           kNothing,   "",                      "right part")                             \
  X(kSpace,        0x1121, "SPACE$",     fn_space,           kNothing,   "",                      "blanks")                                 \
  X(kStr,          0x1123, "STR$",       fn_str,             kNothing,   "",                      "number to string")                       \
  X(kString,       0x1124, "STRING$",    fn_string,          kNothing,   "",                      "a character repeated")                   \
  X(kTime,         0x1125, "TIME$",      fn_time,            kNothing,   "",                      "time of day")                            \
  X(kVal,          0x1126, "VAL",        fn_val,             kNothing,   "",                      "string to number")                       \
  X(kCurdir,       0x1210, "CURDIR$",    fn_curdir,          kNothing,   "",                      "current directory")                      \
  X(kEof,          0x1211, "EOF",        fn_eof,             kNothing,   "",                      "end-of-file test")                       \
  X(kLof,          0x1212, "LOF",        fn_lof,             kNothing,   "",                      "file length")                            \
  X(kLoc,          0x1213, "LOC",        fn_loc,             kNothing,   "",                      "file position or bytes received")        \
  X(kHwnd,         0x1310, "HWND",       fn_hwnd,            kDisplay,   "console window handle", "handle of the console window")           \
  X(kGetMenu,      0x1380, "GETMENU",    fn_get_menu,        kDisplay,   "menu of a window",      "menu of a window")                       \
  X(kGetSubmenu,   0x1381, "GETSUBMENU", fn_get_submenu,     kDisplay,   "submenu",               "submenu at a position")                  \
  X(kMenuStr,      0x1382, "MENUSTR$",   fn_menu_string,     kDisplay,   "MenuStr$",              "text of a menu item")                    \
  X(kGetSysMenu,   0x1383, "GETSYSMENU", fn_get_system_menu, kDisplay,   "system menu",           "system menu of a window")                \
  X(kClipboard,    0x1510, "CLIPBOARD$", fn_clipboard,       kClipboard, "clipboard text",        "clipboard text")                         \
  X(kCommand,      0x1511, "COMMAND$",   fn_command,         kNothing,   "",                      "command line of the run")                \
  X(kEnviron,      0x1512, "ENVIRON$",   fn_environ,         kNothing,   "",                      "environment variable")                   \
  X(kKeyState,     0x1513, "KEYSTATE",   fn_key_state,       kNothing,   "",                      "key state")                              \
  X(kMouseStat,    0x1514, "MOUSESTAT",  fn_mouse_state,     kNothing,   "",                      "mouse state")                            \
  X(kPoint,        0x1515, "POINT",      fn_point,           kDisplay,   "Point",                 "colour of a pixel")                      \
  X(kRgb,          0x1516, "RGB",        fn_rgb,             kNothing,   "",                      "colour value")                           \
  X(kSysMetrics,   0x1517, "SYSMETRICS", fn_system_metric,   kDisplay,   "system metric",         "system metric")                          \
  X(kUserFunction, 0x1610, "FN",         NOT_BUILT,          kNothing,   "",                      "user function")
