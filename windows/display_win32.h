// The display side of the run: the windows the runtime draws into and which of
// them statements write to. Owned by the process entry for the whole run; the
// window thread, the window procedures and the execution threads share it.
#pragma once
#include <windows.h>

#include <atomic>

#include "windows/window_table_win32.h"

namespace tess {

// The runtime's window classes, registered once for the process.
inline constexpr char kConsoleClass[] = "VudEvir";
inline constexpr char kNormalClass[] = "NORMAL";
inline constexpr char kPromptClass[] = "PROMPT";

struct Display {
  HINSTANCE instance = nullptr;
  SIZE screen{};                      // every backing bitmap has this size
  HWND console = nullptr;             // set by the console window's WM_CREATE
  HWND current_text_window = nullptr;  // where printing and drawing go
  WindowTable windows;
  // Set once the console window is being destroyed: painting and notifications stop.
  std::atomic<bool> shutting_down{false};
  // Set whenever an area is marked; the frame clears it when it takes the areas.
  std::atomic<bool> any_dirty{false};

  WindowRecord* current_record() { return windows.find(current_text_window); }
};

}  // namespace tess
