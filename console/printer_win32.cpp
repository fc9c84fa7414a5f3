// The printer statement and the printer choice on a GDI printer device context.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include <utility>
#include <vector>

#include "console/console_text_win32.h"
#include "console/print.h"
#include "console/printer_handlers.h"
#include "console/printer_win32.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "system/gdi_handles_win32.h"
#include "system/system_handlers.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"

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
    StartDocW(p_.dc.get(), &doc);
    StartPage(p_.dc.get());
    p_.document_font = Selected(p_.dc.get(), p_.font.get());
  }
  void end_document() override {
    EndPage(p_.dc.get());
    EndDoc(p_.dc.get());
    p_.document_font.reset();
  }
  int line_height() override {
    TEXTMETRICA tm{};
    GetTextMetricsA(p_.dc.get(), &tm);
    return tm.tmHeight + tm.tmExternalLeading;
  }
  void text_out(int x, int y, std::string_view bytes) override {
    TextOutA(p_.dc.get(), x, y, bytes.data(), static_cast<int>(bytes.size()));
  }
  int text_width(std::string_view bytes) override {
    SIZE size{};
    GetTextExtentPoint32A(p_.dc.get(), bytes.data(), static_cast<int>(bytes.size()), &size);
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

Font make_printer_font(const FontRecord& font, HDC dc) {
  LOGFONTW lf = to_logfont(font);
  lf.lfHeight = -MulDiv(font.point_size, GetDeviceCaps(dc, LOGPIXELSY), 72);
  return Font(CreateFontIndirectW(&lf));
}

// Ends an open document (its page is printed rather than lost with the
// context), then lets the context and its font go.
void release(PrinterDevice& p) {
  if (p.dc) {
    GdiPrinterSurface surface(p);
    p.job.end_document(surface);
  }
  p.document_font.reset();
  p.font.reset();
  p.dc.reset();
}

// A new printer device context replaces the old one.
void replace_printer_dc(Win32Services& s, MadeDC dc) {
  PrinterDevice& p = s.printer;
  release(p);
  p.font = make_printer_font(s.text.font, dc.get());
  p.dc = std::move(dc);
}

// The print-setup dialog (the choose-printer statement without a name).
void printer_setup_dialog(Win32Services& s) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = s.display.current_text_window;
  dialog.Flags = PD_RETURNDC | PD_PRINTSETUP;
  MadeDC chosen(PrintDlgW(&dialog) ? dialog.hDC : nullptr);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (chosen) replace_printer_dc(s, std::move(chosen));
}

}  // namespace

void stmt_lprint(Exec& ex, std::string_view args) {
  Win32Services& s = win32(ex);
  PrinterDevice& p = s.printer;
  if (!p.dc) {
    const std::string name = default_printer_name();
    if (name.empty()) raise_error(kNoPrinterError, "no default printer");
    MadeDC dc(CreateDCW(nullptr, wide(name).c_str(), nullptr, nullptr));
    if (!dc) raise_error(kNoPrinterError, "printer " + name + " cannot be opened");
    replace_printer_dc(s, std::move(dc));
  }
  const std::string text = print_text(ex.in, args, true);
  GdiPrinterSurface surface(p);
  p.job.print(surface, text);
}

void stmt_choose_printer(Exec& ex, std::string_view args) {
  if (strip_blanks(args).empty()) {
    printer_setup_dialog(win32(ex));
    return;
  }
  const std::string name = decode(eval_string(ex.in, args), false);
  MadeDC dc(CreateDCW(nullptr, wide(name).c_str(), nullptr, nullptr));
  if (!dc) raise_error(kNoPrinterError, "printer " + name + " cannot be opened");
  replace_printer_dc(win32(ex), std::move(dc));
}

void printer_run_start(PrinterDevice& printer) { printer.job.reset_position(); }

void printer_shutdown(PrinterDevice& printer) { release(printer); }

}  // namespace tess
