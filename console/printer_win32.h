// The printer: device context, printer font and the open document, owned by the
// process entry for the whole run.
#pragma once
#include <windows.h>

#include "console/printer_job.h"
#include "system/gdi_handles_win32.h"

namespace tess {

struct PrinterDevice {
  MadeDC dc;
  Font font;                // the console font scaled to the printer's resolution
  Selected document_font;   // the printer font, selected while a document is open
  PrinterJob job;
};

// Run start: the print position returns to the left margin of the first line.
void printer_run_start(PrinterDevice& printer);

// Shutdown: an open document is ended (its page printed), then the context and
// the font are deleted.
void printer_shutdown(PrinterDevice& printer);

}  // namespace tess
