// The device a statement or built-in cannot run without: a column of both code
// tables. A host that lacks the device refuses the code with a runtime error.
#pragma once
#include <cstdint>

namespace tess {

enum class Needs : uint8_t {
  kNothing,
  kDisplay,      // windows, drawing, menus
  kDisplayForm,  // one form draws (the other reads or writes a file): the router refuses
  kShell,
  kClipboard,
  kPrinter,
  kSound,
  kSoundForm,  // one form plays (the other only allocates): the handler refuses
};

}  // namespace tess
