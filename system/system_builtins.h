// The system built-in functions of this subsystem: date, time, clipboard text,
// command line, environment and the console window handle.
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

class Interpreter;

std::string fn_date(Interpreter&, std::string_view args);
std::string fn_time(Interpreter&, std::string_view args);
std::string fn_clipboard(Interpreter&, std::string_view args);  // needs the clipboard
std::string fn_command(Interpreter&, std::string_view args);
std::string fn_environ(Interpreter&, std::string_view args);
std::string fn_hwnd(Interpreter&, std::string_view args);  // needs a display

// System built-ins every host defines.
inline constexpr BuiltinHandler kSystemBuiltins[] = {
    {Fn::kDate, fn_date},
    {Fn::kTime, fn_time},
    {Fn::kCommand, fn_command},
    {Fn::kEnviron, fn_environ},
};

// System built-ins only a host with windows and the clipboard defines.
inline constexpr BuiltinHandler kSystemDeviceBuiltins[] = {
    {Fn::kHwnd, fn_hwnd},
    {Fn::kClipboard, fn_clipboard},
};

}  // namespace tess
