#include "interp/error_words.h"

namespace tess {
namespace {

// One number covers many causes; the detail text of each report names the cause.
constexpr ErrorWords kErrorWords[] = {
    {1, "illegal statement or value"},
    {3, "jump target outside the program"},
    {5, "argument out of range"},
    {6, "RETURN without GOSUB"},
    {7, "file or device cannot be used, or jump target refused"},
    {10, "more than 12 function-key targets"},
    {11, "READ past the last DATA item"},
    {15, "out of memory"},
    {17, "name already declared, or no printer"},
    {20, "end of block not found"},
    {99, "limit reached or system device error"},
};

}  // namespace

std::span<const ErrorWords> all_error_words() { return kErrorWords; }

std::string_view error_words(int number) {
  for (const auto& row : kErrorWords)
    if (row.number == number) return row.words;
  return "runtime error";
}

}  // namespace tess
