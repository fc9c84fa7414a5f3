// Built-ins of windows, menus, pixels and colours. All but RGB ask the display.
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

class Interpreter;

std::string fn_rgb(Interpreter&, std::string_view args);

std::string fn_get_menu(Interpreter&, std::string_view args);
std::string fn_get_submenu(Interpreter&, std::string_view args);
std::string fn_menu_string(Interpreter&, std::string_view args);
std::string fn_get_system_menu(Interpreter&, std::string_view args);
std::string fn_point(Interpreter&, std::string_view args);
std::string fn_system_metric(Interpreter&, std::string_view args);

// Window built-ins every host defines.
inline constexpr BuiltinHandler kWindowBuiltins[] = {
    {Fn::kRgb, fn_rgb},
};

// Window built-ins only a host with a display defines.
inline constexpr BuiltinHandler kWindowDeviceBuiltins[] = {
    {Fn::kGetMenu, fn_get_menu},
    {Fn::kGetSubmenu, fn_get_submenu},
    {Fn::kMenuStr, fn_menu_string},
    {Fn::kGetSysMenu, fn_get_system_menu},
    {Fn::kPoint, fn_point},
    {Fn::kSysMetrics, fn_system_metric},
};

}  // namespace tess
