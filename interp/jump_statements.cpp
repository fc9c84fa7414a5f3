// Jumps, calls and returns, restart and reset.
#include <string>

#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"

namespace tess {
namespace {

constexpr int32_t kRefusedRestart = -1;       // ffffffff
constexpr int32_t kRefusedClearingJump = -3;  // fffffffd

}  // namespace

void stmt_jump(Exec& ex, std::string_view args) { jump_to(ex.in, ex.slot, read_target(ex.in.text(), args)); }

void stmt_plain_jump(Exec& ex, std::string_view args) { ex.thread().pc = read_target(ex.in.text(), args); }

void stmt_clearing_jump(Exec& ex, std::string_view args) {
  if (parse_position(args) == kRefusedClearingJump) raise_error(7);
  const int32_t target = read_target(ex.in.text(), args);
  ex.thread().skip_mode = false;
  ex.thread().pc = target;
}

void stmt_call(Exec& ex, std::string_view args) { call_to(ex.in, ex.slot, read_target(ex.in.text(), args)); }

void stmt_return(Exec& ex, std::string_view) {
  ThreadSlot& s = ex.thread();
  if (s.call_depth <= 0) raise_error(6);
  s.return_from_call();
}

void stmt_restart(Exec& ex, std::string_view args) {
  const std::string text = strip_blanks(args);
  std::string item;
  std::size_t next = split_argument(text, 0, item);
  if (parse_position(item) == kRefusedRestart) raise_error(7);
  const int32_t target = read_target(ex.in.text(), item);
  ex.thread().skip_mode = false;
  ex.thread().pc = target;
  bool keep_variables = false;
  if (next < text.size()) {
    next = split_argument(text, next, item);
    if (!item.empty()) jump_to(ex.in, ex.slot, read_target(ex.in.text(), item));
    if (next < text.size() || text.back() == ',') {
      split_argument(text, next, item);
      if (!(item.size() == 3 && word_at(item, 0, "all"))) raise_error(1, "restart: third item must be all");
      keep_variables = true;
    }
  }
  if (!keep_variables) ex.in.reset();
}

void stmt_reset(Exec& ex, std::string_view) { ex.in.reset(); }

}  // namespace tess
