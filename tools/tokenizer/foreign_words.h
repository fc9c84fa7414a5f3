// Words of other BASICs that Tessaly does not have. Written by someone used to
// them they tokenise as variables or fail as unknown keywords; each comes with
// the way to do the same thing here.
#pragma once
#include <string_view>

namespace tess::tok {

// The hint for an upper-case word, or null when it is not such a word.
const char* foreign_word_hint(std::string_view upper_word);

}  // namespace tess::tok
