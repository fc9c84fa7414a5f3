// The handlers of runtime.exe: every list all hosts define and the device lists.
#pragma once
#include "interp/handler_table.h"

namespace tess {

const HandlerTable& win32_handlers();

}  // namespace tess
