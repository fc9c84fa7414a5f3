// The computed branch: a numeric selector picks a target; the selectors key and
// mouse(n) register the handlers of the event traps instead.
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/event_traps.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"

namespace tess {
namespace {

// Comma-separated items; an empty text is one empty item.
std::vector<std::string_view> split_commas(std::string_view list) {
  std::vector<std::string_view> items;
  for (;;) {
    const auto comma = list.find(',');
    items.push_back(list.substr(0, comma));
    if (comma == std::string_view::npos) return items;
    list.remove_prefix(comma + 1);
  }
}

struct BranchKeyword {
  std::size_t start;  // the blank before the keyword
  std::size_t after;  // the blank after it
  bool call;
};

std::optional<BranchKeyword> find_branch_keyword(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (!is_blank(static_cast<uint8_t>(s[i]))) continue;
    for (const bool call : {false, true}) {
      const std::string_view word = call ? "gosub" : "goto";
      const std::size_t end = i + 1 + word.size();
      if (word_at(s, i + 1, word) && end < s.size() && is_blank(static_cast<uint8_t>(s[end])))
        return BranchKeyword{i, end, call};
    }
  }
  return std::nullopt;
}

void register_key_handlers(Interpreter& in, std::string_view list, bool call) {
  const auto items = split_commas(list);
  if (items.size() > kFunctionKeys) raise_error(10);
  for (std::size_t k = 0; k < items.size(); ++k)
    in.traps().set_key_handler(static_cast<int>(k), items[k].empty() ? std::string() : handler_text(call, items[k]));
}

}  // namespace

void stmt_computed_branch(Exec& ex, std::string_view args) {
  const auto keyword = find_branch_keyword(args);
  if (!keyword) raise_error(1, "computed branch without goto or gosub");
  std::size_t list_start = keyword->after;
  while (list_start < args.size() && is_blank(static_cast<uint8_t>(args[list_start]))) ++list_start;
  const std::string list = strip_blanks(args.substr(list_start));
  const std::string selector = strip_blanks(args.substr(0, keyword->start));

  if (selector.size() == 3 && word_at(selector, 0, "key")) return register_key_handlers(ex.in, list, keyword->call);
  if (word_at(selector, 0, "mouse(") && selector.size() > 6 && std::isdigit(static_cast<unsigned char>(selector[6]))) {
    const int trap = selector[6] - '0';
    if (trap < 1 || trap > kMouseTraps) raise_error(5);
    return ex.in.traps().set_mouse_handler(trap, handler_text(keyword->call, list));
  }

  const int32_t n = integer_view(eval_number(ex.in, selector));
  const auto targets = split_commas(list);
  if (n <= 0 || static_cast<std::size_t>(n) > targets.size()) return;
  const int32_t target = read_target(ex.in.text(), targets[static_cast<std::size_t>(n - 1)]);
  if (keyword->call) call_to(ex.in, ex.slot, target);
  else jump_to(ex.in, ex.slot, target);
}

}  // namespace tess
