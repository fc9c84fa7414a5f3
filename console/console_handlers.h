// Statement handlers of the console subsystem.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_print(Exec&, std::string_view args);

}  // namespace tess
