// Declarations of every statement handler named in statement_table.h.
// Each subsystem defines its own; those that need a device are defined by the
// Win32 host and, as refusals, by the headless host.
#pragma once
#include <string_view>

#include "console/console_handlers.h"
#include "files/file_handlers.h"
#include "console/printer_handlers.h"
#include "graphics/graphics_handlers.h"
#include "interp/flow_handlers.h"
#include "interp/value_handlers.h"
#include "sound/sound_handlers.h"
#include "system/system_handlers.h"
#include "windows/window_handlers.h"

namespace tess {

struct Exec;

void stmt_nothing(Exec&, std::string_view args);
void stmt_beep(Exec&, std::string_view args);

}  // namespace tess
