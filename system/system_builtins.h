// The system built-in functions of this subsystem: date, time, clipboard text,
// command line, environment and the console window handle.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

std::string fn_date(Interpreter&, std::string_view args);
std::string fn_time(Interpreter&, std::string_view args);
std::string fn_clipboard(Interpreter&, std::string_view args);  // needs the clipboard
std::string fn_command(Interpreter&, std::string_view args);
std::string fn_environ(Interpreter&, std::string_view args);
std::string fn_hwnd(Interpreter&, std::string_view args);  // needs a display

}  // namespace tess
