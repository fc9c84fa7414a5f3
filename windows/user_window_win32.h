// Window procedures of the user window classes "NORMAL" and "PROMPT", and the
// recording of window events.
#pragma once
#include <windows.h>

#include <array>

#include "interp/thread_slots.h"
#include "system/gdi_handles_win32.h"
#include "windows/event_queue.h"

namespace tess {

struct Win32Services;

// What the user windows of a run share besides the window table.
struct UserWindows {
  std::array<EventQueue, kThreadSlots> event_queues;  // one per execution-thread slot
  // The system font in the Shift-JIS character set, for controls (made at the first).
  Font control_font;
};

LRESULT CALLBACK normal_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK prompt_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Records the message into the event queue of the execution thread running this
// procedure; a thread that is no execution thread has no queue and records nothing.
void record_window_event(Win32Services& services, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The event-queue slot of the calling thread, or -1.
int current_event_slot(const Win32Services& services);

}  // namespace tess
