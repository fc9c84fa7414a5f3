// Statement handlers of the windows subsystem, defined by the Win32 host only;
// the headless host installs refusals in their place.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;

void stmt_window(Exec&, std::string_view args);
void stmt_wclose(Exec&, std::string_view args);
void stmt_wselect(Exec&, std::string_view args);
void stmt_wshow(Exec&, std::string_view args);
void stmt_wmove(Exec&, std::string_view args);
void stmt_wevent(Exec&, std::string_view args);
void stmt_msgbox(Exec&, std::string_view args);
void stmt_sendmsg(Exec&, std::string_view args);

void stmt_menu(Exec&, std::string_view args);
void stmt_popup_menu(Exec&, std::string_view args);
void stmt_delete_menu(Exec&, std::string_view args);
void stmt_destroy_menu(Exec&, std::string_view args);
void stmt_draw_menu(Exec&, std::string_view args);
void stmt_enable_menu(Exec&, std::string_view args);
void stmt_insert_menu(Exec&, std::string_view args);
void stmt_remove_menu(Exec&, std::string_view args);
void stmt_system_menu(Exec&, std::string_view args);
void stmt_set_menu(Exec&, std::string_view args);
void stmt_track_menu(Exec&, std::string_view args);
void stmt_scroll_bar(Exec&, std::string_view args);

// Window and menu statements: only a host with a display defines them.
inline constexpr StatementHandler kWindowDeviceStatements[] = {
    {Stmt::kWclose, stmt_wclose},
    {Stmt::kWevent, stmt_wevent},
    {Stmt::kMsgbox, stmt_msgbox},
    {Stmt::kSendmsg, stmt_sendmsg},
    {Stmt::kScrollbar, stmt_scroll_bar},
    {Stmt::kWshow, stmt_wshow},
    {Stmt::kWselect, stmt_wselect},
    {Stmt::kWindow, stmt_window},
    {Stmt::kWmove, stmt_wmove},
    {Stmt::kMenu, stmt_menu},
    {Stmt::kPopupMenu, stmt_popup_menu},
    {Stmt::kDeleteMenu, stmt_delete_menu},
    {Stmt::kDestroyMenu, stmt_destroy_menu},
    {Stmt::kDrawMenu, stmt_draw_menu},
    {Stmt::kEnableMenu, stmt_enable_menu},
    {Stmt::kInsertMenu, stmt_insert_menu},
    {Stmt::kRemoveMenu, stmt_remove_menu},
    {Stmt::kSysMenu, stmt_system_menu},
    {Stmt::kSetMenu, stmt_set_menu},
    {Stmt::kTrackMenu, stmt_track_menu},
};

}  // namespace tess
