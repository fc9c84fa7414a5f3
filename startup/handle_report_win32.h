// The handle report: when TESSALY_HANDLE_REPORT names a file, the process writes
// to it at its end how many GDI handles it held when it started, after the run
// shut down, and at most at once, by the owners' tally and, where the system
// keeps one (Windows; Wine answers 0), by the system's count of GDI objects.
#pragma once

namespace tess {

// Before the first window.
void note_handles_at_start();
// After the shutdown.
void write_handle_report();

}  // namespace tess
