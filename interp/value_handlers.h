// Statement handlers of the values core: the explicit assignment, the erase
// statement and the user function definition.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_let(Exec&, std::string_view args);
void stmt_erase(Exec&, std::string_view args);
void stmt_def(Exec&, std::string_view args);

}  // namespace tess
