// The numeric built-ins (the first code group, Fn::kCdbl to Fn::kMakeLong).
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

class Interpreter;

std::string fn_cdbl(Interpreter&, std::string_view args);
std::string fn_cint(Interpreter&, std::string_view args);
std::string fn_csng(Interpreter&, std::string_view args);
std::string fn_abs(Interpreter&, std::string_view args);
std::string fn_atn(Interpreter&, std::string_view args);
std::string fn_cos(Interpreter&, std::string_view args);
std::string fn_exp(Interpreter&, std::string_view args);
std::string fn_fix(Interpreter&, std::string_view args);
std::string fn_int(Interpreter&, std::string_view args);
std::string fn_log(Interpreter&, std::string_view args);
std::string fn_rnd(Interpreter&, std::string_view args);
std::string fn_sgn(Interpreter&, std::string_view args);
std::string fn_sin(Interpreter&, std::string_view args);
std::string fn_sqr(Interpreter&, std::string_view args);
std::string fn_tan(Interpreter&, std::string_view args);
std::string fn_loword(Interpreter&, std::string_view args);
std::string fn_hiword(Interpreter&, std::string_view args);
std::string fn_makelong(Interpreter&, std::string_view args);

// The numeric built-ins.
inline constexpr BuiltinHandler kNumericBuiltins[] = {
    {Fn::kCdbl, fn_cdbl},
    {Fn::kCint, fn_cint},
    {Fn::kCsng, fn_csng},
    {Fn::kAbs, fn_abs},
    {Fn::kAtn, fn_atn},
    {Fn::kCos, fn_cos},
    {Fn::kExp, fn_exp},
    {Fn::kFix, fn_fix},
    {Fn::kInt, fn_int},
    {Fn::kLog, fn_log},
    {Fn::kRnd, fn_rnd},
    {Fn::kSgn, fn_sgn},
    {Fn::kSin, fn_sin},
    {Fn::kSqr, fn_sqr},
    {Fn::kTan, fn_tan},
    {Fn::kLoWord, fn_loword},
    {Fn::kHiWord, fn_hiword},
    {Fn::kMakeLong, fn_makelong},
};

}  // namespace tess
