// The string built-ins (the second code group, Fn::kZen to Fn::kVal, without the
// keyboard, date and time).
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

class Interpreter;

std::string fn_zen(Interpreter&, std::string_view args);
std::string fn_asc(Interpreter&, std::string_view args);
std::string fn_chr(Interpreter&, std::string_view args);
std::string fn_hex(Interpreter&, std::string_view args);
std::string fn_instr(Interpreter&, std::string_view args);
std::string fn_han(Interpreter&, std::string_view args);
std::string fn_kinstr(Interpreter&, std::string_view args);
std::string fn_klen(Interpreter&, std::string_view args);
std::string fn_kmid(Interpreter&, std::string_view args);
std::string fn_left(Interpreter&, std::string_view args);
std::string fn_len(Interpreter&, std::string_view args);
std::string fn_mid(Interpreter&, std::string_view args);
std::string fn_oct(Interpreter&, std::string_view args);
std::string fn_right(Interpreter&, std::string_view args);
std::string fn_space(Interpreter&, std::string_view args);
std::string fn_str(Interpreter&, std::string_view args);
std::string fn_string(Interpreter&, std::string_view args);
std::string fn_val(Interpreter&, std::string_view args);

// The string built-ins.
inline constexpr BuiltinHandler kStringBuiltins[] = {
    {Fn::kZen, fn_zen},
    {Fn::kAsc, fn_asc},
    {Fn::kChr, fn_chr},
    {Fn::kHex, fn_hex},
    {Fn::kInstr, fn_instr},
    {Fn::kHan, fn_han},
    {Fn::kKinstr, fn_kinstr},
    {Fn::kKlen, fn_klen},
    {Fn::kKmid, fn_kmid},
    {Fn::kLeft, fn_left},
    {Fn::kLen, fn_len},
    {Fn::kMid, fn_mid},
    {Fn::kOct, fn_oct},
    {Fn::kRight, fn_right},
    {Fn::kSpace, fn_space},
    {Fn::kStr, fn_str},
    {Fn::kString, fn_string},
    {Fn::kVal, fn_val},
};

}  // namespace tess
