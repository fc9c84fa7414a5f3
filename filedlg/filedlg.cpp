// filedlg: shows the open or save file dialog for a Tessaly program and answers
// through the clipboard, then closes the program's dummy window.
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>

#include "options.h"  // beside this file: filedlg links nothing of the runtime

namespace {

constexpr char kDummyTitle[] = "DummyWindow for FileOpenDialog";
constexpr char kClassName[] = "FileOpenDialog for Tessaly";
constexpr char kBoxTitle[] = "FileOpenDialog";
// "オプション指定に誤りがあります"
constexpr char kBadOption[] =
    "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93\x8e\x77\x92\xe8\x82\xc9\x8c\xeb\x82\xe8\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7";
// "<<キャンセルされました>>"
constexpr char kCancelled[] =
    "\x3c\x3c\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b\x82\xb3\x82\xea\x82\xdc\x82\xb5\x82\xbd\x3e\x3e";
constexpr std::size_t kResultSize = 256;

// The first top-level window whose title is exactly the dummy title, case included.
BOOL CALLBACK find_dummy(HWND hwnd, LPARAM found) {
  char title[256] = {};
  GetWindowTextA(hwnd, title, 255);
  if (std::strcmp(title, kDummyTitle) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// The clipboard keeps the block it is given.
void answer(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return;
  if (void* bytes = GlobalLock(block)) {
    std::memcpy(bytes, text, size);
    GlobalUnlock(block);
  }
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
  CloseClipboard();
}

// The command line after the program name (quoted or not).
const char* arguments_of(const char* line) {
  if (*line == '"') {
    ++line;
    while (*line && *line != '"') ++line;
    if (*line) ++line;
  } else {
    while (*line && *line != ' ' && *line != '\t') ++line;
  }
  return line;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  if (!RegisterClassExA(&wc)) return 0;

  const filedlg::Options options = filedlg::parse_options(arguments_of(GetCommandLineA()));
  if (options.bad_option) {
    MessageBoxA(nullptr, kBadOption, kBoxTitle, MB_OK);
    return 0;
  }

  char result[kResultSize] = {};
  HWND dummy = nullptr;
  EnumWindows(find_dummy, reinterpret_cast<LPARAM>(&dummy));
  const HWND owner = dummy ? GetWindow(dummy, GW_OWNER) : nullptr;

  const std::string filter = filedlg::dialog_filter(options.filter);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = result;
  ofn.nMaxFile = kResultSize - 1;
  ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST;  // 0x1006
  if (!options.default_extension.empty()) ofn.lpstrDefExt = options.default_extension.c_str();
  const BOOL chosen = options.mode == filedlg::Mode::Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  answer(chosen ? result : kCancelled);
  if (dummy) SendMessageA(dummy, WM_CLOSE, 0, 0);
  return 0;
}
