#include "startup/handle_report_win32.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "system/gdi_handles_win32.h"

namespace tess {
namespace {

long held_at_start = 0;
DWORD system_at_start = 0;

DWORD system_count() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace

void note_handles_at_start() {
  held_at_start = handle_tally().now;
  system_at_start = system_count();
}

void write_handle_report() {
  const char* path = std::getenv("TESSALY_HANDLE_REPORT");
  if (!path || !*path) return;
  FILE* f = std::fopen(path, "wb");
  if (!f) return;
  const HandleTally tally = handle_tally();
  std::fprintf(f, "handles at start: %ld\nhandles at end: %ld\nhandles at most: %ld\n", held_at_start, tally.now,
               tally.highest);
  if (const DWORD now = system_count(); system_at_start > 0 && now > 0)
    std::fprintf(f, "system GDI objects at start: %lu\nsystem GDI objects at end: %lu\n",
                 static_cast<unsigned long>(system_at_start), static_cast<unsigned long>(now));
  else
    std::fprintf(f, "system GDI objects: not counted\n");
  std::fclose(f);
}

}  // namespace tess
