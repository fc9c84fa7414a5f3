// Formatted printing: a format string whose field characters '@', '&' and '#'
// are replaced by the items that follow it.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

// The items of a using clause, handed out one per field, already evaluated.
// When the items run out, every further field gets an empty item.
class FieldItems {
 public:
  virtual ~FieldItems() = default;
  virtual std::string next_string() = 0;  // escaped string value
  virtual double next_number() = 0;
};

// Replaces the fields of the working text (a string value, escaped form) by the
// items; text outside fields and double-byte characters stay as they are.
std::string format_fields(std::string working, FieldItems& items);

// The text after the keyword using: a format expression, ';', then the items
// separated by ',' or ';'. Returns the formatted value text.
std::string format_using(Interpreter& in, std::string_view text);

}  // namespace tess
