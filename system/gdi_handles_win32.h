// Owners of GDI handles: device contexts (fetched for a window, or made), GDI
// objects, and objects selected into a context. Each gives back what it holds
// when it goes, also when a statement fails half-way; each may be moved, never
// copied. The owners keep a tally of what they hold (Wine keeps no count of a
// process's GDI objects), which the handle report shows (startup/handle_report_win32.h).
#pragma once
#include <windows.h>

#include <utility>

namespace tess {

// Device contexts and GDI objects held by owners (or given up by one and not yet
// deleted), now and at most at once since the process started.
struct HandleTally {
  long now = 0;
  long highest = 0;
};
HandleTally handle_tally();

namespace gdi_tally {
void taken();
void given_back();
}  // namespace gdi_tally

// A handle that one call gives back: DeleteObject for GDI objects, DeleteDC for
// made device contexts, CloseHandle for kernel objects (which the tally of GDI
// handles leaves out).
template <class Handle, BOOL(WINAPI* Free)(Handle), bool kTallied = true>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {
    if (kTallied && handle_) gdi_tally::taken();
  }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void reset() {
    if (!handle_) return;
    Free(handle_);
    if (kTallied) gdi_tally::given_back();
    handle_ = nullptr;
  }

  // Hands the handle to a holder outside the owners (a program's image
  // variable); it stays in the tally until delete_given_up deletes it.
  [[nodiscard]] Handle give_up() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

template <class Object>
class GdiObject : public OwnedHandle<HGDIOBJ, DeleteObject> {
 public:
  GdiObject() = default;
  explicit GdiObject(Object object) : OwnedHandle(object) {}
  Object get() const { return static_cast<Object>(OwnedHandle::get()); }
  [[nodiscard]] Object give_up() { return static_cast<Object>(OwnedHandle::give_up()); }
};

using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using AnyObject = GdiObject<HGDIOBJ>;

// A device context that was made (a memory context, a printer's): DeleteDC.
using MadeDC = OwnedHandle<HDC, DeleteDC>;

inline MadeDC memory_dc_like(HDC dc) { return MadeDC(CreateCompatibleDC(dc)); }

// A thread's handle: CloseHandle.
using KernelHandle = OwnedHandle<HANDLE, CloseHandle, false>;

// Deletes an object that an owner gave up.
void delete_given_up(HGDIOBJ object);

// A window's device context, from GetDC or GetDCEx: ReleaseDC.
class WindowDC {
 public:
  WindowDC() = default;
  explicit WindowDC(HWND hwnd) : WindowDC(hwnd, GetDC(hwnd)) {}
  WindowDC(HWND hwnd, DWORD flags) : WindowDC(hwnd, GetDCEx(hwnd, nullptr, flags)) {}
  WindowDC(WindowDC&& other) noexcept
      : hwnd_(std::exchange(other.hwnd_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDC& operator=(WindowDC&& other) noexcept {
    if (this != &other) {
      reset();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() { reset(); }

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

  void reset() {
    if (!dc_) return;
    ReleaseDC(hwnd_, dc_);
    gdi_tally::given_back();
    dc_ = nullptr;
  }

 private:
  WindowDC(HWND hwnd, HDC dc) : hwnd_(hwnd), dc_(dc) {
    if (dc_) gdi_tally::taken();
  }

  HWND hwnd_ = nullptr;
  HDC dc_ = nullptr;
};

// The context of a WM_PAINT: BeginPaint, and EndPaint at the end. Not movable:
// the paint belongs to the message being answered.
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {
    if (dc_) gdi_tally::taken();
  }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() {
    EndPaint(hwnd_, &paint_);
    if (dc_) gdi_tally::given_back();
  }

  HDC get() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a context; the object it replaced comes back at the end.
class Selected {
 public:
  Selected() = default;
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc ? SelectObject(dc, object) : nullptr) {}
  Selected(Selected&& other) noexcept
      : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
  Selected& operator=(Selected&& other) noexcept {
    if (this != &other) {
      reset();
      dc_ = std::exchange(other.dc_, nullptr);
      previous_ = std::exchange(other.previous_, nullptr);
    }
    return *this;
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;
  ~Selected() { reset(); }

  void reset() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    dc_ = nullptr;
    previous_ = nullptr;
  }

 private:
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace tess
