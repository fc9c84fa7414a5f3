// The built-in functions of the file table: current directory, end-of-file
// test, file length, and file position or bytes received.
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

class Interpreter;

std::string fn_curdir(Interpreter&, std::string_view args);
std::string fn_eof(Interpreter&, std::string_view args);
std::string fn_lof(Interpreter&, std::string_view args);
std::string fn_loc(Interpreter&, std::string_view args);

// The file built-ins.
inline constexpr BuiltinHandler kFileBuiltins[] = {
    {Fn::kCurdir, fn_curdir},
    {Fn::kEof, fn_eof},
    {Fn::kLof, fn_lof},
    {Fn::kLoc, fn_loc},
};

}  // namespace tess
