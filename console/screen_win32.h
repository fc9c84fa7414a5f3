// What a window shows: its backing bitmap with its text layer on top, painted by
// one routine from those two in-memory surfaces. Statements only change the
// surfaces and note the changed area (the dirty rectangle); the console's window
// thread paints the dirty areas of every window at the display's frame rate, and
// a statement that is about to wait flushes them first.
#pragma once
#include <windows.h>

#include "windows/display_win32.h"

namespace tess {

struct Win32Services;

// The console's frame timer and the private message that paints at once.
inline constexpr UINT_PTR kFrameTimer = 0x7E55;
inline constexpr UINT kFrameMilliseconds = 16;
inline constexpr UINT kPaintNowMessage = WM_APP + 0x7E;

// Notes a changed area of the window (client coordinates); the caller holds the
// surface lock (lock_backing_bitmaps).
void mark_dirty(Display& display, WindowRecord& record, const RECT& area);
void mark_all_dirty(Display& display, WindowRecord& record);
// The same by handle, taking the lock; nothing for a window without a record.
void mark_all_dirty(Display& display, HWND hwnd);

// A rectangle of 64-bit corners cut to the screen-sized backing bitmap.
RECT clipped_area(SIZE screen, int64_t left, int64_t top, int64_t right, int64_t bottom);

// WM_PAINT of the runtime's window classes: the update region from the surfaces.
void paint_window(Win32Services& services, HWND hwnd);

// The console window thread's frame (flushing false) or a flush: the dirty areas
// go to the screen; during a frame a large area waits if one was painted lately.
void paint_dirty_windows(Win32Services& services, bool flushing);

// Called before a statement waits: returns once every dirty area is on the screen
// (the window thread has painted it). Never called with the surface lock held.
void flush_screen(Win32Services& services);

// The caret and the input-method window at the window's caret point, on the
// thread that owns the caret.
void place_caret(Display& display, HWND hwnd);

}  // namespace tess
