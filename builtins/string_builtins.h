// The string built-ins (the second code group, Fn::kZen to Fn::kVal, without the
// keyboard, date and time).
#pragma once
#include <string>
#include <string_view>

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

}  // namespace tess
