#include "console/screen_win32.h"

#include <imm.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "console/console_text_win32.h"
#include "console/text_paint_win32.h"
#include "system/gdi_handles_win32.h"
#include "system/win32_services.h"

namespace tess {
namespace {

constexpr int kPaintedCaretLift = 7;

bool is_empty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// Child controls paint themselves: the surfaces never cover them.
void exclude_children(HWND hwnd, HDC dc) {
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

// The backing bitmap, then the text layer, inside the area. The text is drawn
// from a copy, without the surface lock, so that statements go on meanwhile.
void paint_area(Win32Services& services, HWND hwnd, HDC dc, const RECT& area) {
  if (is_empty(area)) return;
  const int saved = SaveDC(dc);
  exclude_children(hwnd, dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  std::unique_ptr<TextSnapshot> text;
  {
    Display& display = services.display;
    const auto surfaces = display.windows.lock_backing_bitmaps();
    WindowRecord* record = display.windows.find(hwnd);
    if (record && record->memory_dc() && !display.shutting_down) {
      BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, record->memory_dc(), area.left,
             area.top, SRCCOPY);
      text = snapshot_text(*record);
    }
  }
  if (text) draw_text(*text, services.text.console_font.get(), dc, area);
  RestoreDC(dc, saved);
}

struct PendingArea {
  HWND hwnd;
  RECT area;
  bool by_owner;  // its thread paints it (WM_PAINT): the window thread's own, or one showing a caret
};

// An area this large (text scrolling, a cleared window) is painted at most every
// kLargeFrameMilliseconds while statements keep changing it, unless a wait
// flushes: repainting a whole window costs the X server as much as the runtime.
constexpr long kLargeArea = 256 * 256;
constexpr DWORD kLargeFrameMilliseconds = 50;

long area_of(const RECT& r) { return static_cast<long>(r.right - r.left) * (r.bottom - r.top); }

// Takes the dirty areas that are due, clearing them.
std::vector<PendingArea> take_dirty_areas(Display& display, bool flushing) {
  std::vector<PendingArea> pending;
  if (!display.any_dirty.exchange(false)) return pending;
  const DWORD self = GetCurrentThreadId(), now = GetTickCount();
  bool deferred = false;
  const auto surfaces = display.windows.lock_backing_bitmaps();
  display.windows.for_each([&](WindowRecord& r) {
    if (is_empty(r.dirty)) return;
    if (area_of(r.dirty) >= kLargeArea) {
      if (!flushing && now - r.last_large_paint < kLargeFrameMilliseconds) {
        deferred = true;
        return;
      }
      r.last_large_paint = now;
    }
    const bool owned = GetWindowThreadProcessId(r.hwnd, nullptr) == self;
    pending.push_back({r.hwnd, r.dirty, owned || r.caret_enabled});
    r.dirty = {};
  });
  if (deferred) display.any_dirty.store(true);
  return pending;
}

// Paints on a window of another thread through a device context of its own; its
// owner may be busy running statements for a long time.
void paint_from_here(Win32Services& services, const PendingArea& p) {
  const WindowDC dc(p.hwnd, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_CLIPCHILDREN);
  if (dc) paint_area(services, p.hwnd, dc.get(), p.area);
}

}  // namespace

RECT clipped_area(SIZE screen, int64_t left, int64_t top, int64_t right, int64_t bottom) {
  auto cut = [](int64_t v, LONG limit) { return static_cast<LONG>(std::clamp<int64_t>(v, 0, limit)); };
  return {cut(left, screen.cx), cut(top, screen.cy), cut(right, screen.cx), cut(bottom, screen.cy)};
}

void mark_dirty(Display& display, WindowRecord& record, const RECT& area) {
  if (is_empty(area)) return;
  if (is_empty(record.dirty)) record.dirty = area;
  else UnionRect(&record.dirty, &record.dirty, &area);
  display.any_dirty.store(true, std::memory_order_release);
}

void mark_all_dirty(Display& display, WindowRecord& record) {
  mark_dirty(display, record, {0, 0, display.screen.cx, display.screen.cy});
}

void mark_all_dirty(Display& display, HWND hwnd) {
  const auto surfaces = display.windows.lock_backing_bitmaps();
  if (WindowRecord* record = display.windows.find(hwnd)) mark_all_dirty(display, *record);
}

void place_caret(Display& display, HWND hwnd) {
  POINT caret{};
  COMPOSITIONFORM composition{};
  {
    const auto surfaces = display.windows.lock_backing_bitmaps();
    WindowRecord* record = display.windows.find(hwnd);
    if (!record || !record->caret_enabled) return;
    caret = record->caret;
    composition = record->composition;
  }
  SetCaretPos(caret.x, caret.y - kPaintedCaretLift);
  if (HIMC context = ImmGetContext(hwnd)) {
    ImmSetCompositionWindow(context, &composition);
    ImmReleaseContext(hwnd, context);
  }
}

void paint_window(Win32Services& services, HWND hwnd) {
  {
    const PaintDC dc(hwnd);
    paint_area(services, hwnd, dc.get(), dc.area());
  }
  place_caret(services.display, hwnd);
}

void paint_dirty_windows(Win32Services& services, bool flushing) {
  if (services.display.shutting_down) return;
  for (const PendingArea& p : take_dirty_areas(services.display, flushing)) {
    if (p.by_owner) {
      InvalidateRect(p.hwnd, &p.area, FALSE);
      if (GetWindowThreadProcessId(p.hwnd, nullptr) == GetCurrentThreadId()) UpdateWindow(p.hwnd);
    } else {
      paint_from_here(services, p);
    }
  }
}

void flush_screen(Win32Services& services) {
  Display& display = services.display;
  if (!display.any_dirty.load(std::memory_order_acquire) || display.shutting_down) return;
  const HWND console = display.console;
  if (!console) return;
  if (GetWindowThreadProcessId(console, nullptr) == GetCurrentThreadId()) {
    paint_dirty_windows(services, true);
    return;
  }
  // The window thread never waits for this thread, so waiting for it is safe;
  // the time-out only guards against a window thread that is gone.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(console, kPaintNowMessage, 0, 0, SMTO_NORMAL, 2000, &answer);
  // Windows of this thread that show a caret are painted by this thread.
  std::vector<HWND> own;
  {
    const auto surfaces = display.windows.lock_backing_bitmaps();
    display.windows.for_each([&](WindowRecord& r) {
      if (r.caret_enabled && GetWindowThreadProcessId(r.hwnd, nullptr) == GetCurrentThreadId()) own.push_back(r.hwnd);
    });
  }
  for (HWND hwnd : own) UpdateWindow(hwnd);
}

}  // namespace tess
