#include "console/format_using.h"

#include "console/item_split.h"
#include "interp/error.h"
#include "interp/evaluate.h"

namespace tess {
namespace {

// The format expression is read into a buffer of 8,192 bytes.
constexpr std::size_t kFormatLimit = 8191;

// The items after the format, cut one at a time and evaluated on demand.
class ItemCursor : public FieldItems {
 public:
  ItemCursor(Interpreter& in, std::string_view items) : in_(in), items_(items) {}
  std::string next_string() override { return eval_string(in_, next_item()); }
  double next_number() override { return eval_number(in_, next_item()); }

 private:
  std::string_view next_item() {
    if (done_) return {};
    const std::size_t end = item_end(items_, position_);
    const std::string_view item = items_.substr(position_, end - position_);
    done_ = end >= items_.size();
    position_ = end + 1;
    return item;
  }

  Interpreter& in_;
  std::string_view items_;
  std::size_t position_ = 0;
  bool done_ = false;
};

std::size_t find_outside_quotes(std::string_view text, char wanted) {
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    else if (!quoted && text[i] == wanted) return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::string format_using(Interpreter& in, std::string_view raw) {
  const std::string text = strip_blanks(raw);
  const std::size_t semicolon = find_outside_quotes(text, ';');
  if (semicolon == std::string::npos) raise_error(1, "using: no ';' after the format");
  if (semicolon > kFormatLimit) raise_error(1, "using: format expression longer than 8,191 bytes");
  std::string working = eval_string(in, std::string_view(text).substr(0, semicolon));
  ItemCursor items(in, std::string_view(text).substr(semicolon + 1));
  return format_fields(std::move(working), items);
}

}  // namespace tess
