// What each runtime error number means, in words, for the programmer's
// diagnostic (the user's box stays the fixed one).
#pragma once
#include <span>
#include <string_view>

namespace tess {

struct ErrorWords {
  int number;
  std::string_view words;
};

// Every error number the interpreter raises, in number order.
std::span<const ErrorWords> all_error_words();
// The words for a number ("runtime error" for one not listed).
std::string_view error_words(int number);

}  // namespace tess
