// The keyboard and mouse built-ins: last key, wait for typed characters, key
// state, mouse state.
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

class Interpreter;

std::string fn_last_key(Interpreter&, std::string_view args);
std::string fn_wait_characters(Interpreter&, std::string_view args);
std::string fn_key_state(Interpreter&, std::string_view args);
std::string fn_mouse_state(Interpreter&, std::string_view args);

// The virtual key that key state asks about: the cursor-key codes 28-31 stand for
// the arrow keys.
int key_state_virtual_key(int code);

// The keyboard and mouse built-ins.
inline constexpr BuiltinHandler kKeyboardBuiltins[] = {
    {Fn::kInkey, fn_last_key},
    {Fn::kInput, fn_wait_characters},
    {Fn::kKeyState, fn_key_state},
    {Fn::kMouseStat, fn_mouse_state},
};

}  // namespace tess
