#include "windows/user_window_win32.h"

#include "console/console_device.h"
#include "console/prompt_window_win32.h"
#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "interp/host.h"
#include "interp/interpreter.h"
#include "system/win32_services.h"
#include "windows/char_messages.h"

namespace tess {
namespace {

int32_t low32(uintptr_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

void store_last_key(Win32Services& s, WPARAM wparam) {
  if (ConsoleDevice* device = s.host.console_device())
    device->keyboard().set_last_key(static_cast<uint8_t>(wparam & 0xFF));
}

}  // namespace

int current_event_slot(const Win32Services& services) {
  Interpreter* in = services.interp;
  if (!in) return -1;
  const uint32_t id = GetCurrentThreadId();
  for (int t = 0; t < kThreadSlots; ++t)
    if (in->slot(t).in_use && in->slot(t).thread_id == id) return t;
  return -1;
}

void record_window_event(Win32Services& services, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  const int slot = current_event_slot(services);
  if (slot < 0) return;
  services.user_windows.event_queues[static_cast<std::size_t>(slot)].record(
      {low32(reinterpret_cast<uintptr_t>(hwnd)), static_cast<int32_t>(message), low32(wparam),
       low32(static_cast<uintptr_t>(lparam))});
}

namespace {

// A typed character is recorded as its code page bytes, one event each, as a
// code page 932 window gets them; the last key is the last byte.
void record_code_page_events(Win32Services& s, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  for (const uint64_t value : code_page_wparams(message, wparam)) {
    record_window_event(s, hwnd, message, static_cast<WPARAM>(value), lparam);
    if (message == WM_CHAR) store_last_key(s, static_cast<WPARAM>(value));
  }
}

}  // namespace

// Every message becomes an event; the close box only asks the program.
LRESULT CALLBACK normal_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Services* services = services_of(hwnd, message, lparam);
  if (!services) return DefWindowProcW(hwnd, message, wparam, lparam);
  record_code_page_events(*services, hwnd, message, wparam, lparam);
  if (message == WM_SIZE) note_client_size(services->display, hwnd, wparam, lparam);
  switch (message) {
    case WM_CLOSE: return 0;
    case WM_PAINT: paint_window(*services, hwnd); break;
    default: break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

// Console-style user windows: events like "NORMAL" windows, the text layer
// painted over the backing bitmap.
LRESULT CALLBACK prompt_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Services* services = services_of(hwnd, message, lparam);
  if (!services) return DefWindowProcW(hwnd, message, wparam, lparam);
  Win32Services& s = *services;
  if (message == WM_CHAR) {
    for (const uint64_t byte : code_page_wparams(message, wparam)) {
      record_window_event(s, hwnd, message, static_cast<WPARAM>(byte), lparam);
      if (!prompt_text_message(s, hwnd, message, static_cast<WPARAM>(byte), lparam))
        store_last_key(s, static_cast<WPARAM>(byte));
    }
    return 0;
  }
  record_code_page_events(s, hwnd, message, wparam, lparam);
  if (message == WM_SIZE) note_client_size(s.display, hwnd, wparam, lparam);
  if (prompt_text_message(s, hwnd, message, wparam, lparam)) return 0;
  switch (message) {
    case WM_CLOSE: return 0;
    case WM_PAINT:
      if (s.display.windows.find(hwnd)) {
        paint_window(s, hwnd);
        return 0;
      }
      break;
    default: break;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace tess
