// The text layer of a window in the console font: laid out in memory when it
// changes (wrapping, scrolling, the caret point) and drawn over the backing
// bitmap when the window is painted.
#pragma once
#include <windows.h>

#include <memory>

#include "windows/display_win32.h"

namespace tess {

struct ConsoleText;
struct Win32Services;

// A copy of a text layer and the bounds it was laid out in, so that it can be
// drawn without the surface lock.
struct TextSnapshot {
  TextLayer layer;
  LayoutBounds bounds;
};

// Null for a window without text. Surface lock held.
std::unique_ptr<TextSnapshot> snapshot_text(const WindowRecord& record);

// Draws the units of the text that meet the area, where the layout placed them;
// transparent cells leave the bitmap beneath as it is.
void draw_text(const TextSnapshot& text, HFONT console_font, HDC dc, const RECT& area);

// Lays the whole layer out again (a new client size, an edit of the layer) and
// marks the window to be painted whole. Takes the surface lock.
void relayout_text(Display& display, const ConsoleText& text, WindowRecord& record);

// The write operation on the current text window: the text goes into the layer,
// is laid out, and its area is marked to be painted. Returns what the write
// produced, for the transcript.
// Keeps the window's client rectangle for layout; every window procedure calls
// it on WM_SIZE, before anything lays out.
void note_client_size(Display& display, HWND hwnd, WPARAM kind, LPARAM size);

TextLayer::WriteResult text_write(Win32Services& services, std::string_view value_text, TextLayer::Stream stream);

}  // namespace tess
