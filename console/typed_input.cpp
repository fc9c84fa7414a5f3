#include "console/typed_input.h"

#include <vector>

#include "interp/sjis.h"
#include "interp/value_text.h"

namespace tess {
namespace {

// Starts of the value-text units of the line (an escape pair is one unit, one
// screen byte).
std::vector<std::size_t> unit_starts(std::string_view line) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < line.size(); i += (line[i] == '\x01' && i + 1 < line.size()) ? 2 : 1) starts.push_back(i);
  return starts;
}

void backspace(KeyboardState& keyboard, TypingWindow& window) {
  TextLayer* layer = window.edited_layer();
  if (!layer) return;
  const int size = last_character_size(*layer);
  if (size == 0) return;
  if (keyboard.in_progress() && !keyboard.untype(size)) return;
  layer->erase_before_cursor(size);
  window.repaint();
}

}  // namespace

void KeyboardState::begin_line() {
  line_.clear();
  typed_ = 0;
  lead_pending_ = false;
  in_progress_ = true;
}

std::string KeyboardState::take_line() {
  std::string line = std::move(line_);
  line_.clear();
  return line;
}

bool KeyboardState::append(uint8_t c) {
  std::string encoded;
  encode_byte(c, encoded);
  // A lead byte keeps room for its second half, so a full line never ends in half a character.
  const bool lead = !lead_pending_ && sjis::is_lead_byte(c);
  const std::size_t needed = encoded.size() + (lead ? 1 : 0);
  if (line_.size() + needed > kInputLineLimit) return false;
  line_ += encoded;
  typed_ += 1;
  lead_pending_ = lead;
  return true;
}

bool KeyboardState::untype(int bytes) {
  if (typed_ - bytes < 0) return false;
  typed_ -= bytes;
  const auto starts = unit_starts(line_);
  const std::size_t keep = starts.size() > static_cast<std::size_t>(bytes) ? starts.size() - static_cast<std::size_t>(bytes) : 0;
  line_.resize(keep < starts.size() ? starts[keep] : line_.size());
  lead_pending_ = false;
  return true;
}

int last_character_size(const TextLayer& layer) {
  const int cursor = layer.cursor;
  if (cursor <= 0 || layer.byte(cursor - 1) == '\n') return 0;
  // Lead bytes and 0x01 in a row before the last byte: an odd run means the last
  // byte is the second half of a pair.
  int run = 0;
  for (int i = cursor - 2; i >= 0; --i) {
    const uint8_t b = layer.byte(i);
    if (!sjis::is_lead_byte(b) && b != 0x01) break;
    ++run;
  }
  return run % 2 == 1 ? 2 : 1;
}

void type_character(KeyboardState& keyboard, TypingWindow& window, uint8_t c, TypingRole role, bool program_running) {
  const bool in_input = keyboard.in_progress();
  if (role == TypingRole::Prompt || !in_input) keyboard.set_last_key(c);
  if (c == kEnter) {
    if (in_input) {
      window.echo("\n");
      keyboard.finish();
    }
  } else if (c == kBackspace) {
    const bool allowed = in_input || (role == TypingRole::Console && !program_running);
    if (allowed) backspace(keyboard, window);
  } else if (in_input && keyboard.append(c)) {
    std::string encoded;
    encode_byte(c, encoded);
    window.echo(encoded);
  }
}

}  // namespace tess
