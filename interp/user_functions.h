// The user function table: up to 255 definitions (head "name(params)" and
// body), looked up by name in definition order.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tess {

class Interpreter;

struct UserFunction {
  std::string head;  // the name and its parameter list, e.g. f(x,y$)
  std::string body;  // the expression after '=', blanks stripped, not expanded
  std::string_view name() const { return std::string_view(head).substr(0, head.find('(')); }
};

class UserFunctionTable {
 public:
  // Replaces the definition of the same name, else adds one; a 256th is a
  // runtime error, a head or body over 1,023 bytes too.
  void define(std::string head, std::string body);
  const UserFunction* find(std::string_view name) const;
  std::size_t size() const { return functions_.size(); }
  void clear() { functions_.clear(); }

 private:
  std::vector<UserFunction> functions_;
};

// The definition statement's text (not expanded): name(params)=body.
void define_user_function(Interpreter& in, std::string_view text);

// A call: the name and the expanded argument text to value text.
std::string call_user_function(Interpreter& in, std::string_view name, std::string_view args);

}  // namespace tess
