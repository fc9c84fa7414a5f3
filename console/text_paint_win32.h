// Painting a window's text layer over its backing bitmap.
#pragma once
#include <windows.h>

#include "windows/window_table_win32.h"

namespace tess {

// Paints the text layer; count 0 paints every character, otherwise only those
// whose byte index lies in [start, start + count). Scrolls when the text is too tall.
void text_paint(WindowRecord& record, HDC dc, int count, int start);

// The backing bitmap, then the whole text layer.
void window_refresh(WindowRecord& record, bool from_paint);

// The write operation on the current text window, painted at once. Returns what
// the write produced, for the transcript.
TextLayer::WriteResult text_write(std::string_view value_text);

}  // namespace tess
