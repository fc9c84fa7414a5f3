// Window procedures of the user window classes "NORMAL" and "PROMPT", and the
// recording of window events.
#pragma once
#include <windows.h>

namespace tess {

LRESULT CALLBACK normal_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK prompt_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Records the message into the event queue of the execution thread running this
// procedure; a thread that is no execution thread has no queue and records nothing.
void record_window_event(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The event-queue slot of the calling thread, or -1.
int current_event_slot();

}  // namespace tess
