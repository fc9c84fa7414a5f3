// The printer statement and the printer choice on a GDI printer device context.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <vector>

#include "console/print.h"
#include "console/printer_handlers.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "startup/app_win32.h"
#include "startup/loader_win32.h"
#include "system/wide_win32.h"
#include "system/system_handlers.h"

namespace tess {
namespace {

constexpr int kNoPrinterError = 17;

class GdiPrinterSurface : public PrinterSurface {
 public:
  explicit GdiPrinterSurface(PrinterDevice& p) : p_(p) {}

  void start_document() override {
    DOCINFOW doc{};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = L"PrintOut";
    StartDocW(p_.dc, &doc);
    StartPage(p_.dc);
    p_.saved_font = SelectObject(p_.dc, p_.font);
  }
  void end_document() override {
    EndPage(p_.dc);
    EndDoc(p_.dc);
    SelectObject(p_.dc, p_.saved_font);
    p_.saved_font = nullptr;
  }
  int line_height() override {
    TEXTMETRICA tm{};
    GetTextMetricsA(p_.dc, &tm);
    return tm.tmHeight + tm.tmExternalLeading;
  }
  void text_out(int x, int y, std::string_view bytes) override {
    TextOutA(p_.dc, x, y, bytes.data(), static_cast<int>(bytes.size()));
  }
  int text_width(std::string_view bytes) override {
    SIZE size{};
    GetTextExtentPoint32A(p_.dc, bytes.data(), static_cast<int>(bytes.size()), &size);
    return size.cx;
  }

 private:
  PrinterDevice& p_;
};

// The system's default printer. The enumeration with PRINTER_ENUM_DEFAULT
// answers nothing on current systems, so the default-printer call backs it up.
std::string default_printer_name() {
  DWORD needed = 0, returned = 0;
  EnumPrintersW(PRINTER_ENUM_DEFAULT, nullptr, 5, nullptr, 0, &needed, &returned);
  if (needed > 0) {
    std::vector<BYTE> records(needed);
    if (EnumPrintersW(PRINTER_ENUM_DEFAULT, nullptr, 5, records.data(), needed, &needed, &returned) && returned > 0) {
      const auto* info = reinterpret_cast<const PRINTER_INFO_5W*>(records.data());
      if (info->pPrinterName && *info->pPrinterName) return narrow(info->pPrinterName);
    }
  }
  wchar_t name[512] = {};
  DWORD size = std::size(name);
  if (GetDefaultPrinterW(name, &size)) return narrow(name);
  return {};
}

HFONT make_printer_font(HDC dc) {
  const App& a = app();
  LOGFONTW lf = to_logfont(a.font);
  lf.lfHeight = -MulDiv(a.font.point_size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  return CreateFontIndirectW(&lf);
}

// A new printer device context replaces the old one. An open document is ended
// first, so its page is printed rather than lost with the old context.
void replace_printer_dc(HDC dc) {
  PrinterDevice& p = app().printer;
  if (p.dc) {
    GdiPrinterSurface surface(p);
    p.job.end_document(surface);
    DeleteDC(p.dc);
  }
  if (p.font) DeleteObject(p.font);
  p.dc = dc;
  p.font = make_printer_font(dc);
}

}  // namespace

void stmt_lprint(Exec& ex, std::string_view args) {
  PrinterDevice& p = app().printer;
  if (!p.dc) {
    const std::string name = default_printer_name();
    if (name.empty()) raise_error(kNoPrinterError, "no default printer");
    HDC dc = CreateDCW(nullptr, wide(name).c_str(), nullptr, nullptr);
    if (!dc) raise_error(kNoPrinterError, "printer " + name + " cannot be opened");
    replace_printer_dc(dc);
  }
  const std::string text = print_text(ex.in, args, true);
  GdiPrinterSurface surface(p);
  p.job.print(surface, text);
}

void stmt_choose_printer(Exec& ex, std::string_view args) {
  if (strip_blanks(args).empty()) {
    printer_setup_dialog();
    return;
  }
  const std::string name = decode(eval_string(ex.in, args), false);
  HDC dc = CreateDCW(nullptr, wide(name).c_str(), nullptr, nullptr);
  if (!dc) raise_error(kNoPrinterError, "printer " + name + " cannot be opened");
  replace_printer_dc(dc);
}

void printer_setup_dialog() {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = app().current_text_window;
  dialog.Flags = PD_RETURNDC | PD_PRINTSETUP;
  const bool chosen = PrintDlgW(&dialog) && dialog.hDC;
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (chosen) replace_printer_dc(dialog.hDC);
}

void printer_run_start() { app().printer.job.reset_position(); }

void printer_shutdown() {
  PrinterDevice& p = app().printer;
  if (!p.dc) return;
  GdiPrinterSurface surface(p);
  p.job.end_document(surface);
  DeleteDC(p.dc);
  if (p.font) DeleteObject(p.font);
  p.dc = nullptr;
  p.font = nullptr;
}

}  // namespace tess
