// filedlg: shows the open or save file dialog for a Tessaly program and answers
// through the clipboard, then closes the program's dummy window.
#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>

#include "options.h"  // beside this file: filedlg links nothing of the runtime
#include "system/wide_win32.h"  // only the code page 932 conversion, compiled in

namespace {

using tess::narrow;
using tess::narrow_terminated;
using tess::wide;

constexpr wchar_t kDummyTitle[] = L"DummyWindow for FileOpenDialog";
constexpr wchar_t kClassName[] = L"FileOpenDialog for Tessaly";
constexpr wchar_t kBoxTitle[] = L"FileOpenDialog";
// "オプション指定に誤りがあります"
constexpr char kBadOption[] =
    "\x83\x49\x83\x76\x83\x56\x83\x87\x83\x93\x8e\x77\x92\xe8\x82\xc9\x8c\xeb\x82\xe8\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb7";
// "<<キャンセルされました>>"
constexpr char kCancelled[] =
    "\x3c\x3c\x83\x4c\x83\x83\x83\x93\x83\x5a\x83\x8b\x82\xb3\x82\xea\x82\xdc\x82\xb5\x82\xbd\x3e\x3e";
constexpr std::size_t kResultSize = 256;

// The first top-level window whose title is exactly the dummy title, case included.
BOOL CALLBACK find_dummy(HWND hwnd, LPARAM found) {
  wchar_t title[256] = {};
  GetWindowTextW(hwnd, title, 255);
  if (std::wcscmp(title, kDummyTitle) != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = hwnd;
  return FALSE;
}

// A movable block holding the bytes; null when there is no memory.
HGLOBAL global_block(const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!block) return nullptr;
  if (void* into = GlobalLock(block)) {
    std::memcpy(into, bytes, size);
    GlobalUnlock(block);
  }
  return block;
}

// The clipboard keeps the blocks it is given. The code page 932 bytes come
// first, as the program reads them; the UTF-16 text and the Japanese locale
// beside them let every program read the path right on any system.
void answer(const std::string& text) {
  const std::wstring units = wide(text);
  constexpr LCID kJapanese = 0x0411;
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  const struct {
    UINT format;
    HGLOBAL block;
  } formats[] = {{CF_TEXT, global_block(text.c_str(), text.size() + 1)},
                 {CF_UNICODETEXT, global_block(units.c_str(), (units.size() + 1) * sizeof(wchar_t))},
                 {CF_LOCALE, global_block(&kJapanese, sizeof kJapanese)}};
  for (const auto& f : formats)
    if (f.block && !SetClipboardData(f.format, f.block)) GlobalFree(f.block);
  CloseClipboard();
}

// The command line after the program name (quoted or not), as code page 932 text.
std::string arguments_of(const wchar_t* line) {
  if (*line == L'"') {
    ++line;
    while (*line && *line != L'"') ++line;
    if (*line) ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  return narrow(line);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return 0;

  const std::string arguments = arguments_of(GetCommandLineW());
  const filedlg::Options options = filedlg::parse_options(arguments);
  if (options.bad_option) {
    MessageBoxW(nullptr, wide(kBadOption).c_str(), kBoxTitle, MB_OK);
    return 0;
  }

  wchar_t result[kResultSize] = {};
  HWND dummy = nullptr;
  EnumWindows(find_dummy, reinterpret_cast<LPARAM>(&dummy));
  const HWND owner = dummy ? GetWindow(dummy, GW_OWNER) : nullptr;

  const std::wstring filter = wide(filedlg::dialog_filter(options.filter));
  const std::wstring extension = wide(options.default_extension);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = result;
  ofn.nMaxFile = kResultSize - 1;
  ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST;  // 0x1006
  if (!extension.empty()) ofn.lpstrDefExt = extension.c_str();
  const BOOL chosen = options.mode == filedlg::Mode::Save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  // The path must fit the caller's 256 bytes as code page 932 text, as it had to
  // fit a buffer of that many bytes.
  const std::string path = chosen ? narrow_terminated(result, kResultSize) : std::string();
  answer(chosen && path.size() < kResultSize ? path : std::string(kCancelled));
  if (dummy) SendMessageW(dummy, WM_CLOSE, 0, 0);
  return 0;
}
