// Waiting for typed input on the host's console: the caret is shown while the
// statement or function waits, and every wait ends when the run stops.
#pragma once
#include <mutex>
#include <optional>
#include <string>

namespace tess {

class ConsoleDevice;
class Interpreter;

// The console device of the host; runtime error 1 naming `role` without one.
ConsoleDevice& console_device(Interpreter& in, const char* role);

// Waits until Enter ends a typed line and answers it (value text), or nothing
// when the run is stopping. The lock is held on entry and on return; with
// release_lock other execution threads run while the user types.
std::optional<std::string> wait_for_typed_line(Interpreter& in, ConsoleDevice& device,
                                               std::unique_lock<std::mutex>& lock, bool release_lock);

// Waits until `count` characters have been typed (taken from the last key
// every 10 ms) without the lock; nothing when the run is stopping.
std::optional<std::string> wait_for_typed_characters(Interpreter& in, ConsoleDevice& device, int32_t count);

}  // namespace tess
