#include "interp/statement_cut.h"

#include "interp/statement_codes.h"
#include "interp/text_scan.h"

namespace tess {

int32_t line_start(const ProgramText& text, int32_t pc, bool& code_taken) {
  const uint8_t c = text.at(pc);
  if (c == ':') {
    while (is_blank_or_tab(text.at(pc + 1))) ++pc;
  } else if (c >= '0' && c < 0x80) {
    while (is_digit(text.at(pc))) ++pc;
    ++pc;  // the blank after the line number, or whatever character stands there
  } else {
    ++pc;
  }
  const uint8_t before = text.at(pc - 1);
  code_taken = (before == ' ' || before == ':') && is_code_first_byte(text.at(pc));
  return pc;
}

std::size_t cut_length(const ProgramText& text, int32_t start, bool code_taken) {
  std::size_t length = code_taken ? 2 : 0;
  int32_t pc = start + static_cast<int32_t>(length);
  const bool conditional = is_code(text.at(start), text.at(start + 1), Stmt::kIf);
  bool quoted = false;
  for (;;) {
    const uint8_t b = text.at(pc);
    if (b == 0 || b == '\n') break;
    if (b == '"') quoted = !quoted;
    else if (b == ':' && !quoted && !(conditional && length >= 2)) break;
    ++length;
    ++pc;
  }
  return length;
}

std::string_view copied_text(const ProgramText& text, int32_t start, std::size_t length, std::string& storage) {
  storage.clear();
  for (std::size_t i = 0; i < length; ++i) storage += static_cast<char>(text.at(start + static_cast<int32_t>(i)));
  return storage;
}

CutLengths::CutLengths(std::size_t text_length) : lengths_(text_length) {}

void CutLengths::remember(int32_t start, bool code_taken, std::size_t length) {
  if (start < 0 || static_cast<std::size_t>(start) >= lengths_.size() || length >= (1u << 30)) return;
  const auto v = static_cast<uint32_t>((length + 1) << 1 | (code_taken ? 1 : 0));
  lengths_[static_cast<std::size_t>(start)].store(v, std::memory_order_relaxed);
}

}  // namespace tess
