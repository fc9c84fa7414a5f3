// The text layer of a window in the console font: laid out in memory when it
// changes (wrapping, scrolling, the caret point) and drawn over the backing
// bitmap when the window is painted.
#pragma once
#include <windows.h>

#include "windows/window_table_win32.h"

namespace tess {

// Draws the units of the text layer that meet the area, as the last layout placed
// them; transparent cells leave the bitmap beneath as it is. Surface lock held.
void draw_text_layer(WindowRecord& record, HDC dc, const RECT& area);

// Lays the whole layer out again (a new client size, an edit of the layer) and
// marks the window to be painted whole. Takes the surface lock.
void relayout_text(WindowRecord& record);

// The write operation on the current text window: the text goes into the layer,
// is laid out, and its area is marked to be painted. Returns what the write
// produced, for the transcript.
TextLayer::WriteResult text_write(std::string_view value_text);

}  // namespace tess
