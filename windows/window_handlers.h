// Statement handlers of the windows subsystem, defined by the Win32 host and, as
// refusals, by the headless host.
#pragma once
#include <string_view>

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

}  // namespace tess
