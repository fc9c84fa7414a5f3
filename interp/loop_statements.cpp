// The counted loop (head and end) and the conditional-loop test. The development
// environment has resolved every position the loops need.
#include <cstdio>
#include <string>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/variables.h"

namespace tess {
namespace {

// A blank- or tab-preceded word followed by a blank or tab, from `from` on; the
// position of the preceding blank.
std::size_t find_spaced_word(std::string_view s, std::string_view word, std::size_t from) {
  for (std::size_t i = from; i < s.size(); ++i) {
    const std::size_t end = i + 1 + word.size();
    if (is_blank_or_tab(static_cast<uint8_t>(s[i])) && word_at(s, i + 1, word) && end < s.size() &&
        is_blank_or_tab(static_cast<uint8_t>(s[end])))
      return i;
  }
  return std::string_view::npos;
}

std::string without_blanks(std::string_view s) {
  std::string out;
  for (const char c : s)
    if (!is_blank_or_tab(static_cast<uint8_t>(c))) out += c;
  return out;
}

}  // namespace

LoopHead parse_loop_head(const ProgramText& text, std::string_view args) {
  const auto blank = args.find(' ');
  if (blank == std::string_view::npos) raise_error(1, "loop head without exit target");
  LoopHead head{read_target(text, args.substr(0, blank)), {}, {}, "1"};
  const std::string_view rest = args.substr(blank + 1);
  const auto to = find_spaced_word(rest, "to", 0);
  if (to == std::string_view::npos) raise_error(1, "loop head without to");
  head.assignment = rest.substr(0, to);
  const std::size_t limit_start = to + 3;
  const auto step = find_spaced_word(rest, "step", limit_start);
  if (step == std::string_view::npos) {
    head.limit = rest.substr(limit_start);
  } else {
    head.limit = rest.substr(limit_start, step - limit_start);
    head.increment = rest.substr(step + 5);
  }
  return head;
}

std::string loop_variable(const LoopHead& head) {
  const auto equals = head.assignment.find('=');
  if (equals == std::string_view::npos) raise_error(1, "loop head without =");
  return without_blanks(head.assignment.substr(0, equals));
}

void stmt_loop_head(Exec& ex, std::string_view args) {
  ThreadSlot& s = ex.thread();
  const LoopHead head = parse_loop_head(ex.in.text(), args);
  const double limit = eval_number(ex.in, head.limit);
  const double increment = eval_number(ex.in, head.increment);
  const std::string variable = loop_variable(head);

  if (s.loop_continue) {
    write_number(ex.in, variable, read_number(ex.in, variable) + increment);
  } else {
    assign(ex.in, head.assignment);
  }

  // The limit takes part as printed with 14 significant digits.
  char test[64];
  std::snprintf(test, sizeof test, increment >= 0 ? ">%.14g" : "<%.14g", limit);
  const bool finished = eval_condition(ex.in, variable + test) != 0;
  s.loop_continue = false;
  if (finished) s.pc = head.exit_target;
}

void stmt_loop_end(Exec& ex, std::string_view args) { loop_back(ex.thread(), read_target(ex.in.text(), args)); }

void stmt_loop_test(Exec& ex, std::string_view args) {
  const int32_t target = read_target(ex.in.text(), args.substr(0, 8));
  const std::string_view condition = args.size() > 9 ? args.substr(9) : std::string_view{};
  if (eval_condition(ex.in, condition) == 0) ex.thread().pc = target;
}

}  // namespace tess
