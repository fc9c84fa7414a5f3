// The sound devices of the run: the MIDI output opened by the first music
// statement, and the assignment that an MCI completion notification performs.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <mutex>
#include <string>

namespace tess {

struct Win32Services;

struct SoundDevice {
  HMIDIOUT midi = nullptr;
  std::mutex notify_mutex;        // the window thread reads what the MCI statement writes
  std::string notify_assignment;  // "name=1", or empty
};

// MM_MCINOTIFY on the console window: the notify assignment is queued for the
// main thread (the window thread never takes the interpreter lock).
void mci_notified(Win32Services& services);

// Shutdown: the MIDI output is closed.
void close_midi(SoundDevice& sound);

}  // namespace tess
