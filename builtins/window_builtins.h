// Built-ins of windows, menus, pixels and colours. All but RGB ask the display.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

std::string fn_rgb(Interpreter&, std::string_view args);

std::string fn_get_menu(Interpreter&, std::string_view args);
std::string fn_get_submenu(Interpreter&, std::string_view args);
std::string fn_menu_string(Interpreter&, std::string_view args);
std::string fn_get_system_menu(Interpreter&, std::string_view args);
std::string fn_point(Interpreter&, std::string_view args);
std::string fn_system_metric(Interpreter&, std::string_view args);

}  // namespace tess
