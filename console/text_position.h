// Placing the cursor of a text layer by logical line and byte column, padding
// with escaped blanks (transparent cells) where the text is too short.
#pragma once
#include <cstdint>

#include "console/text_layer.h"

namespace tess {

// Rows are logical lines (between "\n" bytes), columns are bytes, a value escape
// pair counting as one column; both count from 0 (negative counts as 0). Missing
// lines are appended, a missing column is padded with escaped blanks; the text
// never grows past the layer, so padding that does not fit is cut.
void position_cursor(TextLayer& layer, int32_t column, int32_t line, uint32_t foreground, uint32_t background);

}  // namespace tess
