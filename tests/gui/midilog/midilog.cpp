// A test-only winmm.dll: one MIDI output device that writes every short message
// with its time to the file named by TESS_MIDI_LOG, one line each:
//   <milliseconds since the device opened> <status> <data 1> <data 2>
// (decimal), plus "open" and "close" lines. Every other export of winmm is
// forwarded (winmm.def) to a renamed copy of the system's own winmm.dll, so MCI
// and the rest keep working. Loaded only by tests, beside the program, with the
// native-first DLL override for winmm.
// This DLL defines the winmm functions that mmsystem.h declares as imports.
#define _WINMM_
#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace {

// The device is a single process-wide object by nature (one per DLL instance).
struct Device {
  std::mutex mutex;
  std::FILE* log = nullptr;
  LARGE_INTEGER opened{};
  LARGE_INTEGER frequency{};
  bool open = false;
};

Device& device() {
  static Device d;
  return d;
}

const HMIDIOUT kHandle = reinterpret_cast<HMIDIOUT>(static_cast<intptr_t>(0x7E57));

long long elapsed_ms(const Device& d) {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return (now.QuadPart - d.opened.QuadPart) * 1000 / d.frequency.QuadPart;
}

void log_line(Device& d, const char* text) {
  if (!d.log) return;
  std::fprintf(d.log, "%lld %s\n", elapsed_ms(d), text);
  std::fflush(d.log);
}

}  // namespace

extern "C" {

UINT WINAPI midiOutGetNumDevs() { return 1; }

MMRESULT WINAPI midiOutGetDevCapsA(UINT_PTR id, LPMIDIOUTCAPSA caps, UINT size) {
  if (id != 0 && id != MIDI_MAPPER) return MMSYSERR_BADDEVICEID;
  if (!caps || size < sizeof(MIDIOUTCAPSA)) return MMSYSERR_INVALPARAM;
  std::memset(caps, 0, sizeof(MIDIOUTCAPSA));
  std::strcpy(caps->szPname, "Tessaly test MIDI log");
  caps->wTechnology = MOD_SWSYNTH;
  caps->wVoices = 16;
  caps->wNotes = 16;
  caps->wChannelMask = 0xFFFF;
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI midiOutOpen(LPHMIDIOUT handle, UINT id, DWORD_PTR, DWORD_PTR, DWORD) {
  if (!handle) return MMSYSERR_INVALPARAM;
  if (id != 0 && id != MIDI_MAPPER) return MMSYSERR_BADDEVICEID;
  Device& d = device();
  std::lock_guard<std::mutex> hold(d.mutex);
  if (d.open) return MMSYSERR_ALLOCATED;
  QueryPerformanceFrequency(&d.frequency);
  QueryPerformanceCounter(&d.opened);
  if (const char* path = std::getenv("TESS_MIDI_LOG")) d.log = std::fopen(path, "wb");
  d.open = true;
  *handle = kHandle;
  log_line(d, "open");
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI midiOutShortMsg(HMIDIOUT handle, DWORD message) {
  Device& d = device();
  std::lock_guard<std::mutex> hold(d.mutex);
  if (!d.open || handle != kHandle) return MMSYSERR_INVALHANDLE;
  char text[64];
  std::snprintf(text, sizeof text, "%lu %lu %lu", message & 0xFF, (message >> 8) & 0xFF, (message >> 16) & 0xFF);
  log_line(d, text);
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI midiOutReset(HMIDIOUT handle) {
  Device& d = device();
  std::lock_guard<std::mutex> hold(d.mutex);
  if (!d.open || handle != kHandle) return MMSYSERR_INVALHANDLE;
  log_line(d, "reset");
  return MMSYSERR_NOERROR;
}

MMRESULT WINAPI midiOutClose(HMIDIOUT handle) {
  Device& d = device();
  std::lock_guard<std::mutex> hold(d.mutex);
  if (!d.open || handle != kHandle) return MMSYSERR_INVALHANDLE;
  log_line(d, "close");
  if (d.log) std::fclose(d.log);
  d.log = nullptr;
  d.open = false;
  return MMSYSERR_NOERROR;
}

}  // extern "C"
