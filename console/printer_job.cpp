#include "console/printer_job.h"

namespace tess {

void PrinterJob::print(PrinterSurface& surface, std::string_view text) {
  if (!open_) {
    surface.start_document();
    x_ = kLeftMargin;
    y_ = 0;
    open_ = true;
  }
  const int line_height = surface.line_height();
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find_first_of("\n\f", start);
    const std::string_view segment = text.substr(start, end == std::string_view::npos ? end : end - start);
    if (!segment.empty()) surface.text_out(x_, y_, segment);
    if (end == std::string_view::npos) {
      x_ += surface.text_width(segment);  // the next statement continues this line
      return;
    }
    if (text[end] == '\f') {
      x_ += surface.text_width(segment);
      end_document(surface);
      return;
    }
    x_ = kLeftMargin;
    y_ += line_height;
    start = end + 1;
    if (start == text.size()) return;
  }
}

void PrinterJob::end_document(PrinterSurface& surface) {
  if (!open_) return;
  surface.end_document();
  open_ = false;
  reset_position();
}

}  // namespace tess
