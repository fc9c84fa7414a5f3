// uidriver: drives a Windows program the way a person would, for tests under Wine.
// Commands run in order; each result is one line on stdout (or in --out FILE).
//
//   start EXE "ARGS"            start a program (ARGS may be "")
//   wait-window CLASS MS        wait for a top-level window of the program (and up to
//                               1 s more for it to show); prints
//                               "window CLASS visible=0|1"
//   visible CLASS               prints "visible CLASS 0|1"
//   wait-box MS                 wait for a message box; prints "box TITLE|TEXT"
//   press ID                    presses a button of the last box (1 = OK)
//   type TEXT                   WM_CHAR for each byte (\n, \r, \t, \xNN escapes)
//   type-to CLASS TEXT          the same, to the program's window of that class
//   caret CLASS                 the caret of the thread owning the program's window
//                               of that class: "caret X Y W H" (client coordinates)
//                               or "caret none" (after 500 ms without one)
//   foreground                  prints "foreground CLASS" of the foreground window
//   wait-caret CLASS MS         waits until that thread shows a caret (an input
//                               waits); prints "caret-ready" or "no-caret"
//   answer TEXT MS              waits (up to MS) for the console's caret, answering
//                               message boxes with OK meanwhile ("box TITLE|TEXT"),
//                               then types TEXT and Enter; prints "no-caret" if none
//   key VK                      WM_KEYDOWN / WM_KEYUP (decimal or 0x.. virtual key)
//   mouse MSG X Y               a mouse message (decimal or 0x.. message number)
//   close CLASS                 WM_CLOSE to the program's window of that class
//   capture CLASS FILE.bmp      the window's client area as a 24-bit BMP, after a repaint
//   clipboard                   prints "clipboard TEXT" (its UTF-16 text)
//   clipboard-bytes             prints "clipboard-bytes TEXT" (its CF_TEXT bytes as they are)
//   clipboard-set ORDER TEXT    puts TEXT and a 1x1 bitmap on the clipboard, the text
//                               first (ORDER text-first) or the bitmap (bitmap-first)
//   cp932-dump FILE             the system's code page 932 conversion of every single
//                               byte, lead byte pair and UTF-16 unit (as tests/tools/cp932dump)
//   sleep MS
//   wait-exit MS                prints "exit CODE" or "still-running" (then kills it)
//   run-to-end MS               waits for the program to end, answering every message
//                               box with OK and printing it as "box TITLE|TEXT"
//   dummy TITLE                 a hidden window with that title, owned by a window of
//                               the driver, on a thread that answers its messages (the
//                               window a caller of filedlg makes); prints "dummy ready"
//   dummy-state                 prints "dummy closed" or "dummy open"
//   wait-dialog TITLE MS        waits for a dialog with exactly that title in any
//                               process and makes it the last box; prints
//                               "dialog TITLE owner=dummy|program|none|other": owned
//                               by the dummy's owner, by a window of the started
//                               program, by nothing, or by some other window
//   dialog-text ID              prints "dialog-text TEXT" of a control of the last box
//   file-name TEXT              puts TEXT (unescaped) in the file-name box of the last
//                               box (an open or save dialog); then "press 1" or "press 2"
//   (commands on the program's windows, controls and menus: window_commands.h)
//
// Texts are code page 932 whatever the system's code page: arguments are read as
// UTF-16 and converted, windows are asked with the W functions, and every line
// printed is code page 932 (texts.h).
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "texts.h"
#include "window_commands.h"

namespace {

// The dummy window and its owner live on a thread of their own, so that a
// message sent to them is answered while the driver waits or sleeps.
struct DummyWindow {
  std::string title;
  HWND owner = nullptr;
  HWND window = nullptr;
  HANDLE ready = nullptr;
};

struct Target {
  PROCESS_INFORMATION process{};
  HWND last_box = nullptr;
  DummyWindow dummy;
};

std::FILE* out = stdout;

void say(const std::string& line) {
  std::fprintf(out, "%s\n", line.c_str());
  std::fflush(out);
}

// What the driver did beyond the test's own steps (a start made again, a
// window given the focus back) is said in the log and, when TESS_DRIVER_NOTES
// names a file, added to it: a run of many suites can count them.
void note(const std::string& line) {
  say(line);
  if (const char* notes = std::getenv("TESS_DRIVER_NOTES"); notes && *notes) {
    if (std::FILE* f = std::fopen(notes, "a")) {
      std::fprintf(f, "%s\n", line.c_str());
      std::fclose(f);
    }
  }
}

struct FindData {
  DWORD pid;
  const char* class_name;
  HWND found;
};

BOOL CALLBACK find_window_of_process(HWND hwnd, LPARAM lparam) {
  auto* data = reinterpret_cast<FindData*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);  // class names are ASCII
  // Message boxes must be visible: Wine keeps hidden dialogs of its own around.
  const bool wanted = std::strcmp(name, data->class_name) == 0 &&
                      (std::strcmp(name, "#32770") != 0 || IsWindowVisible(hwnd));
  if (pid == data->pid && wanted) {
    data->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

HWND find_window(const Target& t, const char* class_name) {
  FindData data{t.process.dwProcessId, class_name, nullptr};
  EnumWindows(find_window_of_process, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

DWORD WINAPI dummy_thread(LPVOID param) {
  auto* d = static_cast<DummyWindow*>(param);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = L"uidriver dummy";
  RegisterClassW(&wc);
  d->owner = CreateWindowExW(0, wc.lpszClassName, L"uidriver owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             instance, nullptr);
  d->window = CreateWindowExW(0, wc.lpszClassName, units(d->title).c_str(), WS_POPUP, 0, 0, 10, 10, d->owner, nullptr,
                              instance, nullptr);
  SetEvent(d->ready);
  // WM_CLOSE reaches DefWindowProc, which destroys the window.
  while (IsWindow(d->window)) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  DestroyWindow(d->owner);
  return 0;
}

struct DialogSearch {
  const char* title;
  HWND found;
};

BOOL CALLBACK find_dialog(HWND hwnd, LPARAM lparam) {
  auto* search = reinterpret_cast<DialogSearch*>(lparam);
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if (std::strcmp(name, "#32770") != 0 || !IsWindowVisible(hwnd) || text_of(hwnd) != search->title) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The edit control of a file dialog's file-name box (a combo box, or an edit).
HWND file_name_edit(HWND dialog) {
  HWND box = GetDlgItem(dialog, 0x47c);
  if (!box) return nullptr;
  char name[64] = {};
  GetClassNameA(box, name, sizeof name);
  if (std::strcmp(name, "Edit") == 0) return box;
  if (HWND combo = FindWindowExA(box, nullptr, "ComboBox", nullptr))
    if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr)) return edit;
  return FindWindowExA(box, nullptr, "Edit", nullptr);
}

HWND wait_for_window(const Target& t, const char* class_name, int ms) {
  for (int waited = 0; waited <= ms; waited += 20) {
    if (HWND hwnd = find_window(t, class_name)) return hwnd;
    Sleep(20);
  }
  return nullptr;
}

std::string unescape(const char* s) {
  std::string r;
  for (; *s; ++s) {
    if (*s == '\\' && s[1]) {
      ++s;
      if (*s == 'n') r += '\n';
      else if (*s == 'r') r += '\r';
      else if (*s == 't') r += '\t';
      else if (*s == 'x' && s[1] && s[2]) {
        char hex[3] = {s[1], s[2], 0};
        r += static_cast<char>(std::strtol(hex, nullptr, 16));
        s += 2;
      } else r += *s;
    } else {
      r += *s;
    }
  }
  return r;
}

bool save_bmp(HWND hwnd, const char* path) {
  RECT rc{};
  GetClientRect(hwnd, &rc);
  const int w = rc.right, h = rc.bottom;
  if (w <= 0 || h <= 0) return false;
  HDC window_dc = GetDC(hwnd);
  HDC mem = CreateCompatibleDC(window_dc);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(window_dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, dib);
  BitBlt(mem, 0, 0, w, h, window_dc, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
  const DWORD image_size = stride * static_cast<DWORD>(h);
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(bi.bmiHeader);
  fh.bfSize = fh.bfOffBits + image_size;
  bi.bmiHeader.biSizeImage = image_size;
  std::FILE* f = _wfopen(units(path).c_str(), L"wb");
  bool ok = f != nullptr;
  if (f) {
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
    std::fwrite(bits, 1, image_size, f);
    std::fclose(f);
  }
  SelectObject(mem, old);
  DeleteObject(dib);
  DeleteDC(mem);
  ReleaseDC(hwnd, window_dc);
  return ok;
}

// The clipboard's UTF-16 text (code page 932 here), or its CF_TEXT bytes as they are.
std::string clipboard_text(bool bytes) {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE h = GetClipboardData(bytes ? CF_TEXT : CF_UNICODETEXT)) {
    if (const void* p = GlobalLock(h)) {
      text = bytes ? std::string(static_cast<const char*>(p)) : cp932(static_cast<const wchar_t*>(p));
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

bool put_clipboard_data(UINT format, const void* data, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return false;
  if (void* bytes = GlobalLock(block)) {
    std::memcpy(bytes, data, size);
    GlobalUnlock(block);
  }
  if (SetClipboardData(format, block)) return true;
  GlobalFree(block);
  return false;
}

// The bytes, their UTF-16 text and the Japanese locale, as a code page 932
// program on any system puts them.
bool put_clipboard_text(const std::string& text) {
  const std::wstring wide = units(text);
  const LCID japanese = 0x0411;
  return put_clipboard_data(CF_TEXT, text.c_str(), text.size() + 1) &&
         put_clipboard_data(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)) &&
         put_clipboard_data(CF_LOCALE, &japanese, sizeof japanese);
}

bool set_clipboard(bool bitmap_first, const std::string& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  bool ok = true;
  if (!bitmap_first) ok = put_clipboard_text(text);
  ok = SetClipboardData(CF_BITMAP, CreateBitmap(1, 1, 1, 32, nullptr)) && ok;
  if (bitmap_first) ok = put_clipboard_text(text) && ok;
  CloseClipboard();
  return ok;
}

void say_box(HWND box) { say("box " + text_of(box) + "|" + control_text_of(GetDlgItem(box, 0xFFFF))); }

unsigned long number(const char* s) { return std::strtoul(s, nullptr, 0); }

// A double-byte character goes as one UTF-16 character, as a keyboard sends it.
void type_text(HWND hwnd, const char* escaped) {
  for (wchar_t c : units(unescape(escaped))) PostMessageW(hwnd, WM_CHAR, c, 1);
}

void units_line(std::FILE* f, const char* kind, unsigned code, int digits, const std::wstring& text) {
  std::fprintf(f, "%s %0*x", kind, digits, code);
  for (const wchar_t u : text) std::fprintf(f, " %04x", static_cast<unsigned>(u));
  std::fputc('\n', f);
}

bool dump_system_cp932(const char* path) {
  std::FILE* f = _wfopen(units(path).c_str(), L"wb");
  if (!f) return false;
  for (int b = 0; b < 256; ++b) units_line(f, "s", static_cast<unsigned>(b), 2, units(std::string(1, static_cast<char>(b))));
  for (int lead = 0; lead < 256; ++lead) {
    if (!IsDBCSLeadByteEx(932, static_cast<BYTE>(lead))) continue;
    for (int next = 0; next < 256; ++next)
      units_line(f, "d", static_cast<unsigned>(lead * 256 + next), 4,
                 units(std::string{static_cast<char>(lead), static_cast<char>(next)}));
  }
  for (unsigned u = 0; u < 0x10000; ++u) {
    std::fprintf(f, "u %04x", u);
    for (const char byte : cp932(std::wstring(1, static_cast<wchar_t>(u)))) std::fprintf(f, " %02x", static_cast<unsigned char>(byte));
    std::fputc('\n', f);
  }
  return std::fclose(f) == 0;
}

// The caret of the thread that owns the program's window of a class, if it has one.
bool program_caret(const Target& t, const char* class_name, RECT& caret) {
  HWND window = find_window(t, class_name);
  if (!window) return false;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndCaret) return false;
  caret = info.rcCaret;
  return true;
}

int run(int argc, char** argv) {
  Target t;
  for (int i = 1; i < argc; ++i) {
    const std::string cmd = argv[i];
    auto arg = [&](int k) -> const char* { return i + k < argc ? argv[i + k] : ""; };
    if (cmd == "--out") {
      out = _wfopen(units(arg(1)).c_str(), L"wb");
      if (!out) return 2;
      i += 1;
    } else if (cmd == "start") {
      std::string line = std::string("\"") + arg(1) + "\"";
      if (*arg(2)) line += std::string(" ") + arg(2);
      STARTUPINFOW si{};
      si.cb = sizeof si;
      std::wstring buf = units(line);
      // Wine now and then fails a process start before the program runs at
      // all, with ERROR_INTERNAL_ERROR or (seen once in hundreds of starts of
      // a program that starts at once on every other try) ERROR_INVALID_PARAMETER;
      // such a start is made again, and said (note).
      DWORD error = 0, first_error = 0;
      int attempt = 0;
      for (; attempt < 5; ++attempt) {
        if (CreateProcessW(nullptr, buf.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &t.process)) {
          error = 0;
          break;
        }
        error = GetLastError();
        if (first_error == 0) first_error = error;
        if (error != ERROR_INTERNAL_ERROR && error != ERROR_INVALID_PARAMETER) break;
        Sleep(200);
      }
      if (error != 0) {
        say("start-failed " + std::to_string(error));
        return 1;
      }
      if (attempt > 0) note("start-retried " + std::to_string(attempt) + " after error " + std::to_string(first_error));
      WaitForInputIdle(t.process.hProcess, 5000);
      i += 2;
    } else if (cmd == "wait-window") {
      const int ms = static_cast<int>(number(arg(2)));
      HWND hwnd = wait_for_window(t, arg(1), ms);
      // A window is found while it is being created: give it a moment to show.
      for (int waited = 0; hwnd && !IsWindowVisible(hwnd) && waited < std::min(ms, 1000); waited += 20) Sleep(20);
      say(hwnd ? std::string("window ") + arg(1) + " visible=" + (IsWindowVisible(hwnd) ? "1" : "0")
               : std::string("no-window ") + arg(1));
      i += 2;
    } else if (cmd == "visible") {
      HWND hwnd = find_window(t, arg(1));
      say(std::string("visible ") + arg(1) + " " + (hwnd && IsWindowVisible(hwnd) ? "1" : "0"));
      i += 1;
    } else if (cmd == "wait-box") {
      t.last_box = wait_for_window(t, "#32770", static_cast<int>(number(arg(1))));
      if (t.last_box) {
        say_box(t.last_box);
      } else {
        say("no-box");
      }
      i += 1;
    } else if (cmd == "press") {
      if (t.last_box) PostMessageA(t.last_box, WM_COMMAND, number(arg(1)), 0);
      i += 1;
    } else if (cmd == "type") {
      type_text(find_window(t, "VudEvir"), arg(1));
      i += 1;
    } else if (cmd == "type-to") {
      type_text(find_window(t, arg(1)), arg(2));
      i += 2;
    } else if (cmd == "caret") {
      // A paint hides the caret for an instant: "none" only after 500 ms without one.
      RECT rc{};
      bool seen = program_caret(t, arg(1), rc);
      for (int waited = 0; !seen && waited < 500; waited += 20) {
        Sleep(20);
        seen = program_caret(t, arg(1), rc);
      }
      // A caret is made at (0, 0) and then moved: a reading counts once a second
      // one 30 ms later agrees with it.
      for (int waited = 0; seen && waited < 500; waited += 30) {
        RECT again{};
        Sleep(30);
        if (!program_caret(t, arg(1), again)) break;
        if (EqualRect(&again, &rc)) break;
        rc = again;
      }
      say(seen ? "caret " + std::to_string(rc.left) + " " + std::to_string(rc.top) + " " +
                                     std::to_string(rc.right - rc.left) + " " + std::to_string(rc.bottom - rc.top)
                               : std::string("caret none"));
      i += 1;
    } else if (cmd == "answer") {
      RECT rc{};
      bool ready = false, focus_given = false;
      DWORD without_box = 0;
      for (DWORD waited = 0; !ready && waited <= number(arg(2)); waited += 20) {
        if (HWND box = find_window(t, "#32770")) {
          say_box(box);
          PostMessageA(box, WM_COMMAND, IDOK, 0);
          Sleep(50);
          without_box = 0;
        }
        ready = program_caret(t, "VudEvir", rc);
        if (!ready) Sleep(20);
        // Under Wine with no window manager, closing a box now and then leaves
        // the desktop active rather than the box's owner (X hands the focus
        // back after Wine has activated the owner); the console then shows no
        // caret until the user clicks it. The driver does what the user would.
        without_box += 20;
        if (!ready && !focus_given && without_box >= 1000 && GetForegroundWindow() == GetDesktopWindow()) {
          if (HWND console = find_window(t, "VudEvir")) {
            SetForegroundWindow(console);
            note("focus-given");
            focus_given = true;
          }
        }
      }
      if (ready) {
        type_text(find_window(t, "VudEvir"), arg(1));
        PostMessageW(find_window(t, "VudEvir"), WM_CHAR, L'\r', 1);
        // Enter ends the wait and the caret goes; each echo's paint hides it only
        // for an instant, so it must stay gone for 50 ms (or the next input has
        // already begun when 2 s have passed).
        for (int waited = 0, gone = 0; gone < 50 && waited < 2000; waited += 10) {
          gone = program_caret(t, "VudEvir", rc) ? 0 : gone + 10;
          Sleep(10);
        }
      } else {
        // Which window was active says whether the console lost its activation
        // (a focus glitch) or an input never began.
        char name[256] = "none";
        if (HWND hwnd = GetForegroundWindow()) GetClassNameA(hwnd, name, sizeof name);
        say(std::string("no-caret foreground=") + name);
      }
      i += 2;
    } else if (cmd == "foreground") {
      char name[256] = "none";
      if (HWND hwnd = GetForegroundWindow()) GetClassNameA(hwnd, name, sizeof name);
      say(std::string("foreground ") + name);
    } else if (cmd == "wait-caret") {
      RECT rc{};
      bool ready = false;
      for (DWORD waited = 0; !ready && waited <= number(arg(2)); waited += 20) {
        ready = program_caret(t, arg(1), rc);
        if (!ready) Sleep(20);
      }
      say(ready ? "caret-ready" : "no-caret");
      i += 2;
    } else if (cmd == "key") {
      HWND hwnd = find_window(t, "VudEvir");
      PostMessageA(hwnd, WM_KEYDOWN, number(arg(1)), 1);
      PostMessageA(hwnd, WM_KEYUP, number(arg(1)), 0xC0000001);
      i += 1;
    } else if (cmd == "mouse") {
      HWND hwnd = find_window(t, "VudEvir");
      PostMessageA(hwnd, static_cast<UINT>(number(arg(1))), 0, MAKELPARAM(number(arg(2)), number(arg(3))));
      i += 3;
    } else if (cmd == "close") {
      if (HWND hwnd = find_window(t, arg(1))) PostMessageA(hwnd, WM_CLOSE, 0, 0);
      i += 1;
    } else if (cmd == "capture") {
      HWND hwnd = find_window(t, arg(1));
      // Under Xvfb without a window manager, Wine can lose a window's pixels when
      // it remaps the window; have the program repaint (as a person uncovering
      // the window would see it) before reading them.
      if (hwnd) {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(200);
      }
      say(hwnd && save_bmp(hwnd, arg(2)) ? "captured" : "capture-failed");
      i += 2;
    } else if (cmd == "dummy") {
      t.dummy.title = arg(1);
      t.dummy.ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
      if (HANDLE thread = CreateThread(nullptr, 0, dummy_thread, &t.dummy, 0, nullptr)) CloseHandle(thread);
      say(WaitForSingleObject(t.dummy.ready, 5000) == WAIT_OBJECT_0 && t.dummy.window ? "dummy ready" : "dummy-failed");
      i += 1;
    } else if (cmd == "dummy-state") {
      say(t.dummy.window && !IsWindow(t.dummy.window) ? "dummy closed" : "dummy open");
    } else if (cmd == "wait-dialog") {
      DialogSearch search{arg(1), nullptr};
      for (DWORD waited = 0; !search.found && waited <= number(arg(2)); waited += 20) {
        EnumWindows(find_dialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(20);
      }
      t.last_box = search.found;
      if (search.found) {
        const HWND owner = GetWindow(search.found, GW_OWNER);
        DWORD owner_pid = 0;
        if (owner) GetWindowThreadProcessId(owner, &owner_pid);
        say(std::string("dialog ") + arg(1) + " owner=" +
            (!owner                                   ? "none"
             : owner == t.dummy.owner                 ? "dummy"
             : owner_pid == t.process.dwProcessId     ? "program"
                                                      : "other"));
      } else {
        say(std::string("no-dialog ") + arg(1));
      }
      i += 2;
    } else if (cmd == "dialog-text") {
      say("dialog-text " + (t.last_box ? control_text_of(GetDlgItem(t.last_box, static_cast<int>(number(arg(1))))) : std::string()));
      i += 1;
    } else if (cmd == "file-name") {
      HWND edit = t.last_box ? file_name_edit(t.last_box) : nullptr;
      const std::wstring name = units(arg(1));  // as given: paths hold backslashes
      if (edit) SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
      say(edit ? "file-name set" : "file-name missing");
      i += 1;
    } else if (cmd == "clipboard") {
      say("clipboard " + clipboard_text(false));
    } else if (cmd == "clipboard-bytes") {
      say("clipboard-bytes " + clipboard_text(true));
    } else if (cmd == "clipboard-set") {
      say(set_clipboard(std::string(arg(1)) == "bitmap-first", unescape(arg(2))) ? "clipboard-set" : "clipboard-set-failed");
      i += 2;
    } else if (cmd == "cp932-dump") {
      say(dump_system_cp932(arg(1)) ? "dumped" : "dump-failed");
      i += 1;
    } else if (cmd == "sleep") {
      Sleep(static_cast<DWORD>(number(arg(1))));
      i += 1;
    } else if (cmd == "wait-exit") {
      const DWORD start = GetTickCount();
      if (WaitForSingleObject(t.process.hProcess, static_cast<DWORD>(number(arg(1)))) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(t.process.hProcess, &code);
        say("exit " + std::to_string(code) + " after " + std::to_string(GetTickCount() - start) + "ms");
      } else {
        say("still-running");
        TerminateProcess(t.process.hProcess, 9);
      }
      i += 1;
    } else if (cmd == "run-to-end") {
      const DWORD limit = static_cast<DWORD>(number(arg(1)));
      const DWORD start = GetTickCount();
      bool ended = false;
      while (!ended && GetTickCount() - start < limit) {
        ended = WaitForSingleObject(t.process.hProcess, 20) == WAIT_OBJECT_0;
        if (HWND box = find_window(t, "#32770")) {
          say_box(box);
          PostMessageA(box, WM_COMMAND, IDOK, 0);
          Sleep(50);
        }
      }
      DWORD code = 0;
      if (ended) GetExitCodeProcess(t.process.hProcess, &code);
      else TerminateProcess(t.process.hProcess, 9);
      say(ended ? "exit " + std::to_string(code) : std::string("still-running"));
      i += 1;
    } else if (const int used = run_window_command({t.process.dwProcessId, say, save_bmp}, cmd, argv + i + 1, argc - i - 1);
               used >= 0) {
      i += used;
    } else {
      say("unknown-command " + cmd);
      return 2;
    }
  }
  return 0;
}

}  // namespace

// The arguments as code page 932 text, whatever the system's code page.
int main() {
  int argc = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> texts;
  for (int i = 0; i < argc; ++i) texts.push_back(cp932(wide[i]));
  LocalFree(wide);
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  return run(argc, argv.data());
}
