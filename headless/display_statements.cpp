// Without a display the drawing, window and menu statements and the functions
// that read the screen refuse to run. The clear screen runs: its text part
// empties the console grid; there are no graphics to clear.
#include <string>

#include "builtins/window_builtins.h"
#include "console/console_device.h"
#include "console/text_layer.h"
#include "graphics/argument_text.h"
#include "graphics/graphics_handlers.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "windows/window_handlers.h"

namespace tess {
namespace {

[[noreturn]] void needs_display(const char* role) { raise_error(1, std::string(role) + ": needs a display"); }

}  // namespace

// Modes 1 and 3 clear the text; 2 (graphics only) and every other mode change
// nothing on the grid.
void stmt_cls(Exec& ex, std::string_view args) {
  const int32_t mode = args.empty() ? 1 : eval_int(ex.in, args);
  if (mode != 1 && mode != 3) return;
  if (ConsoleDevice* device = ex.in.host().console_device())
    device->edit_current_layer([](TextLayer& layer) { layer.clear(); });
}

#define TESS_REFUSE(name, role) \
  void name(Exec&, std::string_view) { needs_display(role); }
TESS_REFUSE(stmt_scroll_graphics, "scroll graphics")
TESS_REFUSE(stmt_pset, "point")
TESS_REFUSE(stmt_preset, "erase point")
TESS_REFUSE(stmt_circle, "circle")
TESS_REFUSE(stmt_paint, "paint")
TESS_REFUSE(stmt_load_image, "load image")
TESS_REFUSE(stmt_gprint, "text")
TESS_REFUSE(draw_line, "line")
TESS_REFUSE(get_image, "get image")
TESS_REFUSE(put_image, "put image")
TESS_REFUSE(stmt_window, "create window")
TESS_REFUSE(stmt_wclose, "close window")
TESS_REFUSE(stmt_wselect, "window selection")
TESS_REFUSE(stmt_wshow, "show window")
TESS_REFUSE(stmt_wmove, "move window")
TESS_REFUSE(stmt_wevent, "wait for event")
TESS_REFUSE(stmt_msgbox, "message box")
TESS_REFUSE(stmt_sendmsg, "send message")
TESS_REFUSE(stmt_menu, "create menu")
TESS_REFUSE(stmt_popup_menu, "create pop-up menu")
TESS_REFUSE(stmt_delete_menu, "delete menu item")
TESS_REFUSE(stmt_destroy_menu, "destroy menu")
TESS_REFUSE(stmt_draw_menu, "redraw menu bar")
TESS_REFUSE(stmt_enable_menu, "enable menu item")
TESS_REFUSE(stmt_insert_menu, "insert menu item")
TESS_REFUSE(stmt_remove_menu, "remove menu item")
TESS_REFUSE(stmt_system_menu, "restore system menu")
TESS_REFUSE(stmt_set_menu, "set menu")
TESS_REFUSE(stmt_track_menu, "track pop-up menu")
TESS_REFUSE(stmt_scroll_bar, "scroll bar")
#undef TESS_REFUSE

#define TESS_REFUSE_FN(name, role) \
  std::string name(Interpreter&, std::string_view) { needs_display(role); }
TESS_REFUSE_FN(fn_get_menu, "menu of a window")
TESS_REFUSE_FN(fn_get_submenu, "submenu")
TESS_REFUSE_FN(fn_menu_string, "MenuStr$")
TESS_REFUSE_FN(fn_get_system_menu, "system menu")
TESS_REFUSE_FN(fn_point, "Point")
TESS_REFUSE_FN(fn_system_metric, "system metric")
#undef TESS_REFUSE_FN

}  // namespace tess
