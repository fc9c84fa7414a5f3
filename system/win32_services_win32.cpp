#include "system/win32_services.h"

namespace tess {
namespace {

// Per thread, only while it creates a window: windows are created one at a time
// by the thread that will own them.
thread_local Win32Services* creating = nullptr;

}  // namespace

CreatingWindow::CreatingWindow(Win32Services& services) : outer_(creating) { creating = &services; }

CreatingWindow::~CreatingWindow() { creating = outer_; }

Win32Services* services_of(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* services = static_cast<Win32Services*>(reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(services));
    return services;
  }
  if (auto* services = reinterpret_cast<Win32Services*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) return services;
  return creating;
}

}  // namespace tess
