#include "window_commands.h"

#include "texts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

struct Context {
  const WindowCommandHost& host;
  char** args;
  const char* arg(int k) const { return args[k]; }
};

long number_of(const char* text) { return std::strtol(text, nullptr, 0); }
bool is_number(const char* text) {
  char* end = nullptr;
  std::strtol(text, &end, 0);
  return *text && *end == 0;
}

struct Search {
  DWORD pid;
  std::string class_name, title;  // empty title: any
  bool visible_only;
  HWND found;
};

BOOL CALLBACK match_top_window(HWND hwnd, LPARAM lparam) {
  auto* s = reinterpret_cast<Search*>(lparam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);  // class names are ASCII
  if (pid != s->pid || s->class_name != name || (!s->title.empty() && s->title != text_of(hwnd)) ||
      (s->visible_only && !IsWindowVisible(hwnd)))
    return TRUE;
  s->found = hwnd;
  return FALSE;
}

HWND find_top(const Context& c, const std::string& window_name, bool visible_only = false) {
  const std::size_t equals = window_name.find('=');
  Search s{c.host.pid, window_name.substr(0, equals), equals == std::string::npos ? "" : window_name.substr(equals + 1), visible_only,
           nullptr};
  EnumWindows(match_top_window, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND wait_top(const Context& c, const std::string& window_name, long ms, bool visible_only = false) {
  for (long waited = 0; waited <= ms; waited += 20) {
    if (HWND hwnd = find_top(c, window_name, visible_only)) return hwnd;
    Sleep(20);
  }
  return nullptr;
}

struct ControlSearch {
  std::string text;
  bool by_id;
  int id;
  HWND found;
};

BOOL CALLBACK match_control(HWND hwnd, LPARAM lparam) {
  auto* s = reinterpret_cast<ControlSearch*>(lparam);
  if (s->by_id ? GetDlgCtrlID(hwnd) != s->id : s->text != text_of(hwnd)) return TRUE;
  s->found = hwnd;
  return FALSE;
}

HWND find_control(const Context& c, const char* window, const char* text_or_id) {
  HWND top = find_top(c, window);
  if (!top) return nullptr;
  ControlSearch s{text_or_id, is_number(text_or_id), static_cast<int>(number_of(text_or_id)), nullptr};
  EnumChildWindows(top, match_control, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::vector<WPARAM> virtual_keys(const char* list) {
  std::vector<WPARAM> keys;
  const char* p = list;
  while (*p) {
    char* end = nullptr;
    const unsigned long vk = std::strtoul(p, &end, 0);
    if (end == p) break;
    keys.push_back(static_cast<WPARAM>(vk));
    p = *end == ',' ? end + 1 : end;
  }
  return keys;
}

// Menus read the keys of their thread's queue, whichever window they name.
void press_keys(HWND hwnd, const char* list) {
  for (WPARAM vk : virtual_keys(list)) {
    Sleep(150);
    PostMessageA(hwnd, WM_KEYDOWN, vk, 1);
    PostMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
  }
  Sleep(150);
}

std::string rect_text(const RECT& r) {
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
         std::to_string(r.bottom);
}

LPARAM client_point(const char* x, const char* y) {
  return MAKELPARAM(static_cast<int>(number_of(x)), static_cast<int>(number_of(y)));
}

void wait_for(Context& c) {
  const std::string window_name = c.arg(0);
  const long ms = number_of(c.arg(1));
  HWND hwnd = wait_top(c, window_name, ms);
  // A window is found while it is being created: give it a moment to show.
  for (long waited = 0; hwnd && !IsWindowVisible(hwnd) && waited < std::min(ms, 1000L); waited += 20) Sleep(20);
  c.host.say(hwnd ? "window " + window_name + " visible=" + (IsWindowVisible(hwnd) ? "1" : "0") : "no-window " + window_name);
}

void click_control(Context& c) {
  HWND control = find_control(c, c.arg(0), c.arg(1));
  if (control) PostMessageA(control, BM_CLICK, 0, 0);
  c.host.say(std::string(control ? "clicked " : "no-control ") + c.arg(1));
}

void choose(Context& c) {
  if (HWND hwnd = find_top(c, c.arg(0))) PostMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(number_of(c.arg(1))), 0);
}

void menu_keys(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  if (!hwnd) return;
  PostMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, static_cast<unsigned char>(c.arg(1)[0]));
  press_keys(hwnd, c.arg(2));
}

void wait_popup(Context& c) {
  HWND popup = wait_top(c, "#32768", number_of(c.arg(1)), true);
  HWND owner = find_top(c, c.arg(0));
  if (!popup || !owner) {
    c.host.say("no-popup");
    return;
  }
  RECT r{};
  GetWindowRect(popup, &r);
  POINT corner{0, 0};
  ClientToScreen(owner, &corner);
  c.host.say("popup " + std::to_string(r.left - corner.x) + " " + std::to_string(r.top - corner.y));
}

void popup_keys(Context& c) {
  if (HWND popup = find_top(c, "#32768", true)) press_keys(popup, c.arg(0));
}

void chars(Context& c) {
  if (HWND hwnd = find_top(c, c.arg(0)))
    for (const wchar_t ch : units(c.arg(1))) PostMessageW(hwnd, WM_CHAR, ch, 1);
}

void close_box(Context& c) {
  if (HWND hwnd = find_top(c, c.arg(0))) PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void mouse_at(Context& c) {
  const auto message = static_cast<UINT>(number_of(c.arg(1)));
  const WPARAM buttons = message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE ? MK_LBUTTON : 0;
  if (HWND hwnd = find_top(c, c.arg(0))) PostMessageA(hwnd, message, buttons, client_point(c.arg(2), c.arg(3)));
}

void drag(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  if (!hwnd) return;
  const long x1 = number_of(c.arg(1)), y1 = number_of(c.arg(2)), x2 = number_of(c.arg(3)), y2 = number_of(c.arg(4));
  PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, y1));
  constexpr int kSteps = 8;
  for (int step = 1; step <= kSteps; ++step) {
    Sleep(40);
    PostMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON,
                 MAKELPARAM(x1 + (x2 - x1) * step / kSteps, y1 + (y2 - y1) * step / kSteps));
  }
  Sleep(40);
  PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
}

void rect(Context& c) {
  RECT r{}, client{};
  HWND hwnd = find_top(c, c.arg(0));
  if (!hwnd || !GetWindowRect(hwnd, &r) || !GetClientRect(hwnd, &client)) {
    c.host.say("no-window");
    return;
  }
  c.host.say("rect " + rect_text(r) + " client " + std::to_string(client.right) + " " + std::to_string(client.bottom));
}

void client(Context& c) {
  RECT r{};
  POINT origin{};
  HWND hwnd = find_top(c, c.arg(0));
  if (!hwnd || !GetClientRect(hwnd, &r) || !ClientToScreen(hwnd, &origin)) {
    c.host.say("no-window");
    return;
  }
  c.host.say("client " + std::to_string(origin.x) + " " + std::to_string(origin.y) + " " + std::to_string(r.right) + " " +
             std::to_string(r.bottom));
}

void redraw(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  if (hwnd) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  c.host.say(hwnd ? "redrawn" : "no-window");
}

void move(Context& c) {
  if (HWND hwnd = find_top(c, c.arg(0)))
    MoveWindow(hwnd, static_cast<int>(number_of(c.arg(1))), static_cast<int>(number_of(c.arg(2))),
               static_cast<int>(number_of(c.arg(3))), static_cast<int>(number_of(c.arg(4))), TRUE);
}

void show(Context& c) {
  if (HWND hwnd = find_top(c, c.arg(0))) ShowWindow(hwnd, static_cast<int>(number_of(c.arg(1))));
}

void capture_raw(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  c.host.say(hwnd && c.host.save_bmp(hwnd, c.arg(1)) ? "captured" : "capture-failed");
}

void capture_fresh(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  if (hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
  }
  c.host.say(hwnd && c.host.save_bmp(hwnd, c.arg(1)) ? "captured" : "capture-failed");
}

void scroll_info(Context& c) {
  HWND control = find_control(c, c.arg(0), c.arg(1));
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  DWORD_PTR answer = 0;
  const bool asked = control && SendMessageTimeoutA(control, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info),
                                                    SMTO_NORMAL, 5000, &answer);
  c.host.say(asked ? "scroll " + std::to_string(info.nMin) + " " + std::to_string(info.nMax) + " " +
                         std::to_string(info.nPage) + " " + std::to_string(info.nPos)
                   : std::string("no-scroll"));
}

// What the last look into the file saw: its bytes, or why there were none.
struct FileLook {
  std::string content;
  DWORD error = 0;  // of CreateFileW or ReadFile
};

// Opened with every kind of sharing: the writer (a shell appending) and any
// reader go on undisturbed.
FileLook look_into(const char* path) {
  FileLook look;
  const HANDLE file = CreateFileW(units(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    look.error = GetLastError();
    return look;
  }
  char buffer[4096];
  for (DWORD got = 0;; look.content.append(buffer, got)) {
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      look.error = GetLastError();
      break;
    }
    if (got == 0) break;
  }
  CloseHandle(file);
  return look;
}

void wait_text(Context& c) {
  const long limit = number_of(c.arg(2));
  FileLook look;
  bool found = false;
  for (long waited = 0; waited <= limit; waited += 50) {
    look = look_into(c.arg(0));
    if ((found = look.content.find(c.arg(1)) != std::string::npos)) break;
    Sleep(50);
  }
  // A text not found says what the file held at the last look.
  c.host.say(found ? std::string("text ") + c.arg(1)
                   : std::string("no-text ") + c.arg(1) + " (" + std::to_string(look.content.size()) + " bytes, error " +
                         std::to_string(look.error) + ")");
}

void title(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  c.host.say(hwnd ? "title " + text_of(hwnd) : std::string("no-window"));
}

BOOL CALLBACK add_control_text(HWND hwnd, LPARAM lparam) {
  auto* out = reinterpret_cast<std::string*>(lparam);
  *out += (out->empty() ? "" : "|") + control_text_of(hwnd);
  return TRUE;
}

// The texts of the window's controls, in their order.
void controls(Context& c) {
  HWND hwnd = find_top(c, c.arg(0));
  std::string texts;
  if (hwnd) EnumChildWindows(hwnd, add_control_text, reinterpret_cast<LPARAM>(&texts));
  c.host.say(hwnd ? "controls " + texts : std::string("no-window"));
}

// The items of a list box (LB_GETTEXT) or a combo box (CB_GETLBTEXT), asked in UTF-16.
void items(Context& c) {
  HWND control = find_control(c, c.arg(0), c.arg(1));
  char name[64] = {};
  if (control) GetClassNameA(control, name, sizeof name);
  const bool combo = std::strcmp(name, "ComboBox") == 0;
  std::string out;
  const LRESULT count = control ? SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0) : 0;
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    out += (i > 0 ? "|" : "") + cp932(text.c_str());
  }
  c.host.say(control ? "items " + out : std::string("no-control"));
}

struct Command {
  const char* name;
  int arguments;
  void (*run)(Context&);
};

constexpr Command kCommands[] = {
    {"wait-for", 2, wait_for},     {"click-control", 2, click_control}, {"choose", 2, choose},
    {"menu-keys", 3, menu_keys},   {"wait-popup", 2, wait_popup},       {"popup-keys", 1, popup_keys},
    {"close-box", 1, close_box},   {"mouse-at", 4, mouse_at},           {"drag", 5, drag},
    {"rect", 1, rect},             {"move", 5, move},                   {"show", 2, show},
    {"capture-raw", 2, capture_raw}, {"scroll-info", 2, scroll_info},   {"wait-text", 3, wait_text},
    {"chars", 2, chars},           {"capture-fresh", 2, capture_fresh}, {"title", 1, title},
    {"controls", 1, controls},           {"items", 2, items},           {"client", 1, client},
    {"redraw", 1, redraw},
};

}  // namespace

int run_window_command(const WindowCommandHost& host, const std::string& cmd, char** args, int available) {
  for (const Command& command : kCommands) {
    if (cmd != command.name) continue;
    if (available < command.arguments) {
      host.say("missing-arguments " + cmd);
      return available;
    }
    Context c{host, args};
    command.run(c);
    return command.arguments;
  }
  return -1;
}
