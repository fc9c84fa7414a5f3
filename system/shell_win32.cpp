// Shell open, the clipboard statement and function, and the console window handle.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "system/shell_request.h"
#include "system/system_builtins.h"
#include "system/system_handlers.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"

namespace tess {
namespace {

// Closes the clipboard however the caller leaves.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(OpenClipboard(nullptr) != 0) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

bool is_text_format(UINT format) { return format == CF_TEXT || format == CF_OEMTEXT || format == CF_UNICODETEXT; }

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

// The clipboard takes the block; a block it refuses is freed.
bool give_clipboard(UINT format, HGLOBAL block) {
  if (block && SetClipboardData(format, block)) return true;
  if (block) GlobalFree(block);
  return false;
}

// The text of one clipboard format, up to its first zero.
template <typename Char>
std::basic_string<Char> clipboard_data(UINT format) {
  HANDLE data = GetClipboardData(format);
  const auto* chars = data ? static_cast<const Char*>(GlobalLock(data)) : nullptr;
  if (!chars) return {};
  const std::size_t capacity = GlobalSize(data) / sizeof(Char);
  std::size_t length = 0;
  while (length < capacity && chars[length]) ++length;
  std::basic_string<Char> text(chars, length);
  GlobalUnlock(data);
  return text;
}

}  // namespace

// The started program is not waited for, and a failure is not reported.
void stmt_shell(Exec& ex, std::string_view args) {
  const ShellRequest request = shell_request(ex.in, args);
  ShellExecuteW(nullptr, L"open", wide(request.file).c_str(), wide(request.parameters).c_str(), nullptr, SW_SHOWNORMAL);
}

// An empty text still replaces the clipboard's contents. Failures are silent.
// The bytes go as they are (CF_TEXT, first, as before), beside them the same
// text as UTF-16 and the Japanese locale that says how to read the bytes, so
// every program reads the text right whatever the system's code page.
void stmt_clipboard(Exec& ex, std::string_view args) {
  const std::string text = decode(eval_string(ex.in, args), false);
  const std::wstring units = wide(std::string_view(text.c_str()));
  constexpr LCID kJapanese = 0x0411;
  HGLOBAL bytes = global_block(text.c_str(), text.size() + 1);
  if (!bytes) return;
  OpenClipboardScope clipboard;
  if (!clipboard.open() || !EmptyClipboard()) {
    GlobalFree(bytes);
    return;
  }
  if (!give_clipboard(CF_TEXT, bytes)) return;
  give_clipboard(CF_UNICODETEXT, global_block(units.c_str(), (units.size() + 1) * sizeof(wchar_t)));
  give_clipboard(CF_LOCALE, global_block(&kJapanese, sizeof kJapanese));
}

// Text is answered only when a text format is the clipboard's first: with a
// picture first the answer is empty even if text is there too.
std::string fn_clipboard(Interpreter&, std::string_view) {
  OpenClipboardScope clipboard;
  if (!clipboard.open() || !is_text_format(EnumClipboardFormats(0))) return "\"\"";
  // A code page 932 system reads the bytes as they were put there; any other
  // reads the UTF-16 text, since its CF_TEXT would be in its own code page.
  if (GetACP() == 932) return encode(clipboard_data<char>(CF_TEXT), true);
  return encode(narrow(clipboard_data<wchar_t>(CF_UNICODETEXT)), true);
}

std::string fn_hwnd(Interpreter& in, std::string_view) {
  return std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(win32(in).display.console)));
}

}  // namespace tess
