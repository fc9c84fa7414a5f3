// The MCI statement's arguments: the command string and, when a variable is
// named after the first top-level comma, the assignment performed on completion.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

struct MciRequest {
  std::string command;                   // plain bytes
  std::optional<std::string> on_notify;  // "name=1"
};

// The notify text holds at most 255 bytes; a longer one is a runtime error.
inline constexpr std::size_t kNotifyTextLimit = 255;

MciRequest mci_request(Interpreter& in, std::string_view args);

}  // namespace tess
