// Built-ins that ask the display: menus of windows, pixels, system metrics.
#include <windows.h>

#include <algorithm>
#include <string>

#include "builtins/window_builtins.h"
#include "graphics/argument_text.h"
#include "graphics/colour_rule.h"
#include "interp/value_text.h"
#include "system/gdi_handles_win32.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"
#include "windows/handle_numbers_win32.h"

namespace tess {
namespace {

constexpr std::size_t kMenuTextBuffer = 8192;

std::string number_of(HANDLE handle) { return std::to_string(static_cast<int32_t>(reinterpret_cast<intptr_t>(handle))); }

// The text up to the first comma outside parentheses, and the rest; no comma is an error.
std::pair<std::string_view, std::string_view> two_parts(std::string_view args, std::string_view function) {
  const auto parts = cut_at_commas(args, 2);
  if (parts.size() < 2) argument_error(function, "two arguments");
  return {parts[0], parts[1]};
}

}  // namespace

std::string fn_get_menu(Interpreter& in, std::string_view args) { return number_of(GetMenu(as_window(eval_int(in, args)))); }

std::string fn_get_submenu(Interpreter& in, std::string_view args) {
  const auto [menu, position] = two_parts(args, "submenu");
  return number_of(GetSubMenu(as_menu(eval_int(in, menu)), eval_int(in, position)));
}

std::string fn_menu_string(Interpreter& in, std::string_view args) {
  const auto parts = split_all(args);
  if (parts.size() != 3) argument_error("MenuStr$", "menu, item and flags");
  std::wstring units(kMenuTextBuffer, L'\0');
  const int length = GetMenuStringW(as_menu(eval_int(in, parts[0])), static_cast<UINT>(eval_int(in, parts[1])),
                                    units.data(), static_cast<int>(units.size()), static_cast<UINT>(eval_int(in, parts[2])));
  units.resize(static_cast<std::size_t>(std::max(length, 0)));
  // As much as an 8,192-byte buffer holds with its terminator, never half a character.
  return "\"" + std::string(cp932::first_bytes(narrow(units), kMenuTextBuffer - 1)) + "\"";
}

std::string fn_get_system_menu(Interpreter& in, std::string_view args) {
  return number_of(GetSystemMenu(as_window(eval_int(in, args)), FALSE));
}

// Reads the backing bitmap, which holds what was drawn even where the window is covered.
std::string fn_point(Interpreter& in, std::string_view args) {
  const auto [x_text, y_text] = two_parts(args, "Point");
  const int32_t x = eval_int(in, x_text), y = eval_int(in, y_text);
  Display& display = win32(in).display;
  COLORREF rgb = CLR_INVALID;
  if (WindowRecord* record = display.current_record()) {
    const auto backing = display.windows.lock_backing_bitmaps();
    rgb = GetPixel(record->memory_dc(), x, y);
  } else {
    rgb = GetPixel(WindowDC(display.current_text_window).get(), x, y);
  }
  return std::to_string(colour_number_of(rgb));
}

std::string fn_system_metric(Interpreter& in, std::string_view args) {
  return std::to_string(GetSystemMetrics(eval_int(in, args)));
}

}  // namespace tess
