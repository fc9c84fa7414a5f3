// The keyboard and mouse built-ins: last key, wait for typed characters, key
// state, mouse state.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

std::string fn_last_key(Interpreter&, std::string_view args);
std::string fn_wait_characters(Interpreter&, std::string_view args);
std::string fn_key_state(Interpreter&, std::string_view args);
std::string fn_mouse_state(Interpreter&, std::string_view args);

// The virtual key that key state asks about: the cursor-key codes 28-31 stand for
// the arrow keys.
int key_state_virtual_key(int code);

}  // namespace tess
