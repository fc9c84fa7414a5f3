// The printer statement's page layout against a recording surface.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/printer_job.h"

namespace {

using namespace tess;

// Every glyph is 7 units wide; lines are 20 units apart.
class RecordingSurface : public PrinterSurface {
 public:
  void start_document() override { calls.push_back("start"); }
  void end_document() override { calls.push_back("end"); }
  int line_height() override { return 20; }
  void text_out(int x, int y, std::string_view bytes) override {
    calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + std::string(bytes));
  }
  int text_width(std::string_view bytes) override { return 7 * static_cast<int>(bytes.size()); }
  std::vector<std::string> calls;
};

using Calls = std::vector<std::string>;

TEST(PrinterJob, LinesAdvanceAndSemicolonTextsSitSideBySide) {
  RecordingSurface s;
  PrinterJob job;
  job.print(s, "ab\n");
  job.print(s, "cd");  // the statement ended with ';'
  job.print(s, "ef\n");
  job.print(s, "\n");  // an empty printer statement
  job.print(s, "g\nh\n");
  EXPECT_EQ(s.calls, (Calls{"start", "text 10,0 ab", "text 10,20 cd", "text 24,20 ef", "text 10,60 g", "text 10,80 h"}));
  EXPECT_TRUE(job.document_open());
  EXPECT_EQ(job.y(), 100);
}

TEST(PrinterJob, FormFeedEndsTheDocumentAndDropsWhatFollows) {
  RecordingSurface s;
  PrinterJob job;
  job.print(s, "one\fignored\n");
  EXPECT_FALSE(job.document_open());
  EXPECT_EQ(job.x(), PrinterJob::kLeftMargin);
  EXPECT_EQ(job.y(), 0);
  job.print(s, "two\n");  // a new document
  EXPECT_EQ(s.calls, (Calls{"start", "text 10,0 one", "end", "start", "text 10,0 two"}));
}

TEST(PrinterJob, TabsAreNotExpandedAndNoPageBreakIsMade) {
  RecordingSurface s;
  PrinterJob job;
  job.print(s, "a\tb\x01\n");
  for (int i = 0; i < 300; ++i) job.print(s, "x\n");
  EXPECT_EQ(s.calls[1], "text 10,0 a\tb\x01");
  EXPECT_EQ(s.calls.back(), "text 10,6000 x");
  EXPECT_EQ(std::count(s.calls.begin(), s.calls.end(), "start"), 1);
}

TEST(PrinterJob, EndingAnOpenDocumentPrintsItsPageOnce) {
  RecordingSurface s;
  PrinterJob job;
  job.end_document(s);  // nothing open: nothing happens
  job.print(s, "pending");
  job.end_document(s);
  job.end_document(s);
  EXPECT_EQ(s.calls, (Calls{"start", "text 10,0 pending", "end"}));
}

}  // namespace
