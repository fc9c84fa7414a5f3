// Shell open, the clipboard statement and function, and the console window handle.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "startup/app_win32.h"
#include "system/shell_request.h"
#include "system/system_builtins.h"
#include "system/system_handlers.h"

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

}  // namespace

// The started program is not waited for, and a failure is not reported.
void stmt_shell(Exec& ex, std::string_view args) {
  const ShellRequest request = shell_request(ex.in, args);
  ShellExecuteA(nullptr, "open", request.file.c_str(), request.parameters.c_str(), nullptr, SW_SHOWNORMAL);
}

// An empty text still replaces the clipboard's contents. Failures are silent.
void stmt_clipboard(Exec& ex, std::string_view args) {
  const std::string text = decode(eval_string(ex.in, args), false);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (!block) return;
  if (void* bytes = GlobalLock(block)) {
    std::memcpy(bytes, text.data(), text.size());
    GlobalUnlock(block);
  }
  OpenClipboardScope clipboard;
  if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, block)) GlobalFree(block);
}

// Text is answered only when a text format is the clipboard's first: with a
// picture first the answer is empty even if text is there too.
std::string fn_clipboard(Interpreter&, std::string_view) {
  OpenClipboardScope clipboard;
  if (!clipboard.open() || !is_text_format(EnumClipboardFormats(0))) return "\"\"";
  HANDLE data = GetClipboardData(CF_TEXT);
  if (!data) return "\"\"";
  const auto* bytes = static_cast<const char*>(GlobalLock(data));
  if (!bytes) return "\"\"";
  const std::string text(bytes, strnlen(bytes, GlobalSize(data)));
  GlobalUnlock(data);
  return encode(text, true);
}

std::string fn_hwnd(Interpreter&, std::string_view) {
  return std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(app().console)));
}

}  // namespace tess
