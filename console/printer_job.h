// The printer statement's layout: where each piece of printed text goes on the
// page and when a document begins and ends. The drawing itself is the
// surface's (GDI on a printer device context in the runtime).
#pragma once
#include <string_view>

namespace tess {

class PrinterSurface {
 public:
  virtual ~PrinterSurface() = default;
  // A document named "PrintOut" and its first page, with the printer font selected.
  virtual void start_document() = 0;
  // The page and the document end (the job goes to the spooler); the font that
  // the printer font replaced is selected back.
  virtual void end_document() = 0;
  virtual int line_height() = 0;  // text height plus external leading
  virtual void text_out(int x, int y, std::string_view bytes) = 0;
  virtual int text_width(std::string_view bytes) = 0;
};

class PrinterJob {
 public:
  static constexpr int kLeftMargin = 10;

  // Prints the text of one printer statement (its line end included unless the
  // statement ended with ';'). Tabs and control bytes are drawn as they are; a
  // form feed ends the document and drops the bytes after it.
  void print(PrinterSurface& surface, std::string_view text);

  // Ends an open document (its pending page is printed); nothing when none is open.
  void end_document(PrinterSurface& surface);

  // The run start's print position.
  void reset_position() {
    x_ = kLeftMargin;
    y_ = 0;
  }

  bool document_open() const { return open_; }
  int x() const { return x_; }
  int y() const { return y_; }

 private:
  bool open_ = false;
  int x_ = kLeftMargin;
  int y_ = 0;
};

}  // namespace tess
