// Menus and scroll bars: thin requests whose results come back as window events.
#include "graphics/argument_text.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "system/wide_win32.h"
#include "windows/menu_args.h"
#include "windows/window_args.h"
#include "windows/window_handlers.h"

#include <windows.h>

namespace tess {
namespace {

HWND as_window(int32_t number) { return reinterpret_cast<HWND>(static_cast<intptr_t>(number)); }
HMENU as_menu(int32_t number) { return reinterpret_cast<HMENU>(static_cast<intptr_t>(number)); }
int32_t as_number(HMENU menu) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(menu)); }

void store_menu(Exec& ex, std::string_view variable, HMENU menu) {
  assign(ex.in, assignment_text(strip_blanks(variable), as_number(menu)));
}

}  // namespace

void stmt_menu(Exec& ex, std::string_view args) { store_menu(ex, args, CreateMenu()); }
void stmt_popup_menu(Exec& ex, std::string_view args) { store_menu(ex, args, CreatePopupMenu()); }

void stmt_delete_menu(Exec& ex, std::string_view args) {
  const auto n = parse_three_numbers(ex.in, args, "delete menu item");
  DeleteMenu(as_menu(n[0]), static_cast<UINT>(n[1]), static_cast<UINT>(n[2]));
}

void stmt_enable_menu(Exec& ex, std::string_view args) {
  const auto n = parse_three_numbers(ex.in, args, "enable menu item");
  EnableMenuItem(as_menu(n[0]), static_cast<UINT>(n[1]), static_cast<UINT>(n[2]));
}

void stmt_remove_menu(Exec& ex, std::string_view args) {
  const auto n = parse_three_numbers(ex.in, args, "remove menu item");
  RemoveMenu(as_menu(n[0]), static_cast<UINT>(n[1]), static_cast<UINT>(n[2]));
}

void stmt_destroy_menu(Exec& ex, std::string_view args) { DestroyMenu(as_menu(eval_int(ex.in, args))); }
void stmt_draw_menu(Exec& ex, std::string_view args) { DrawMenuBar(as_window(eval_int(ex.in, args))); }
void stmt_system_menu(Exec& ex, std::string_view args) { GetSystemMenu(as_window(eval_int(ex.in, args)), TRUE); }

void stmt_set_menu(Exec& ex, std::string_view args) {
  const auto n = parse_two_numbers(ex.in, args, "set menu");
  SetMenu(as_window(n[0]), as_menu(n[1]));
}

void stmt_insert_menu(Exec& ex, std::string_view args) {
  const InsertMenuArgs m = parse_insert_menu(ex.in, args);
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_TYPE;
  item.fType = m.text ? MFT_STRING : MFT_SEPARATOR;
  std::wstring text = wide(m.text.value_or(""));
  if (m.text) {
    item.dwTypeData = text.data();
    item.cch = static_cast<UINT>(text.size());
  }
  if (m.id) item.fMask |= MIIM_ID, item.wID = static_cast<UINT>(*m.id);
  if (m.submenu) item.fMask |= MIIM_SUBMENU, item.hSubMenu = as_menu(*m.submenu);
  if (m.state) item.fMask |= MIIM_STATE, item.fState = static_cast<UINT>(*m.state);
  InsertMenuItemW(as_menu(m.menu), static_cast<UINT>(m.item), m.by_position, &item);
}

void stmt_track_menu(Exec& ex, std::string_view args) {
  const auto n = parse_four_numbers(ex.in, args, "track pop-up menu");
  HWND hwnd = as_window(n[1]);
  POINT at{n[2], n[3]};
  ClientToScreen(hwnd, &at);
  TrackPopupMenu(as_menu(n[0]), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd, nullptr);
}

void stmt_scroll_bar(Exec& ex, std::string_view args) {
  const ScrollBarArgs s = parse_scroll_bar(ex.in, args);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | (s.disable_when_unneeded ? SIF_DISABLENOSCROLL : 0);
  info.nMin = s.minimum;
  info.nMax = s.maximum;
  info.nPage = static_cast<UINT>(s.page);
  info.nPos = s.position;
  SetScrollInfo(as_window(s.window), s.bar, &info, TRUE);
}

}  // namespace tess
