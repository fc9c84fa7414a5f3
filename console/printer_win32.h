// The printer: device context, printer font and the open document, owned by the
// process for the whole run.
#pragma once
#include <windows.h>

#include "console/printer_job.h"

namespace tess {

struct PrinterDevice {
  HDC dc = nullptr;
  HFONT font = nullptr;        // the console font scaled to the printer's resolution
  HGDIOBJ saved_font = nullptr;  // what the printer font replaced while a document is open
  PrinterJob job;
};

// The print-setup dialog (the choose-printer statement without a name).
void printer_setup_dialog();

// Run start: the print position returns to the left margin of the first line.
void printer_run_start();

// Shutdown: an open document is ended (its page printed), then the context and
// the font are deleted.
void printer_shutdown();

}  // namespace tess
