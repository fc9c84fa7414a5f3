// Statement handlers of the graphics subsystem. The drawing ones are defined by
// the Win32 host only (the device list); the headless host installs refusals
// in their place.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;

// Portable: they only change interpreter state.
void stmt_color(Exec&, std::string_view args);
void stmt_move_point(Exec&, std::string_view args);

// Routers of the shared codes: line input or line drawing, record or image.
void stmt_line(Exec&, std::string_view args);
void stmt_get(Exec&, std::string_view args);
void stmt_put(Exec&, std::string_view args);

// Device statements.
void stmt_cls(Exec&, std::string_view args);
void stmt_scroll_graphics(Exec&, std::string_view args);
void stmt_pset(Exec&, std::string_view args);
void stmt_preset(Exec&, std::string_view args);
void stmt_circle(Exec&, std::string_view args);
void stmt_paint(Exec&, std::string_view args);
void stmt_load_image(Exec&, std::string_view args);
void stmt_gprint(Exec&, std::string_view args);

// The drawing halves the routers call; `stripped` has had its blanks removed.
void draw_line(Exec&, std::string_view stripped);
void get_image(Exec&, std::string_view args);
void put_image(Exec&, std::string_view args);

// Graphics statements every host defines (CLS: each host its own).
inline constexpr StatementHandler kGraphicsStatements[] = {
    {Stmt::kPmove, stmt_move_point},
    {Stmt::kCls, stmt_cls},
    {Stmt::kColor, stmt_color},
    {Stmt::kGet, stmt_get},
    {Stmt::kPut, stmt_put},
    {Stmt::kLine, stmt_line},
};

// Graphics statements only a host with a display defines.
inline constexpr StatementHandler kGraphicsDeviceStatements[] = {
    {Stmt::kLoadImage, stmt_load_image},
    {Stmt::kCircle, stmt_circle},
    {Stmt::kPaint, stmt_paint},
    {Stmt::kPreset, stmt_preset},
    {Stmt::kPset, stmt_pset},
    {Stmt::kScroll, stmt_scroll_graphics},
    {Stmt::kGprint, stmt_gprint},
};

}  // namespace tess
