// The handlers of the headless host: every list all hosts define, and a
// refusal for each code that needs a device.
#pragma once
#include "interp/handler_table.h"

namespace tess {

const HandlerTable& headless_handlers();

}  // namespace tess
