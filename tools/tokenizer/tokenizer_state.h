// The tokeniser's working state, shared by the line reader (tokenizer.cpp) and
// the statement writers (statement_writers.cpp).
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "interp/statement_codes.h"
#include "tools/tokenizer/cursor.h"
#include "tools/tokenizer/expression_writer.h"
#include "tools/tokenizer/program_builder.h"

namespace tess::tok {

enum class Construct { kFor, kWhile, kBlock };

// An open FOR, WHILE or brace block.
struct Frame {
  Construct kind;
  AnchorId head = -1;  // the separator before the loop head
  AnchorId exit = -1;  // the separator after the loop end
  std::string variable;
  SourceError where;
};

struct StatementPlace {
  bool in_if_part = false;  // inside a one-line THEN or ELSE part
  AnchorId before = -1;     // the separator before the statement
};

class Tokenizer {
 public:
  explicit Tokenizer(UserFunctions user_functions) : user_functions_(std::move(user_functions)) {}

  void line(const SourceLine& line);
  std::vector<uint8_t> finish();

  // Used by the statement writers.
  ProgramBuilder& out() { return out_; }
  void code(uint16_t code);
  void code(Stmt code);
  void arguments(const std::string& text);  // " text" when not empty
  std::string expression(Cursor& c, const StatementPlace& place, std::vector<std::string_view> stop_words = {},
                         const char* adjacent_message = nullptr);
  void target(Cursor& c, TargetForm form, bool avoid_start = false);
  bool at_target(Cursor& c);
  void sequence(Cursor& c, bool in_if_part, AnchorId before);
  void if_part(Cursor& c);  // after THEN or ELSE: '{', a target, or statements
  void push(Frame frame) { frames_.push_back(std::move(frame)); }
  Frame pop(Construct kind, const SourceError& where, const char* message);
  const Frame* innermost(Construct kind) const;
  std::vector<SourceError> take_warnings() { return std::move(warnings_); }
  // Where each statement starts: an anchor placed before its first byte, and its source place.
  struct StatementMark {
    AnchorId anchor;
    SourceError where;  // line and column (message unused)
    int byte = 0;       // byte index in the Shift-JIS line
  };
  const std::vector<StatementMark>& marks() const { return marks_; }

 private:
  void statement(Cursor& c, const StatementPlace& place);
  void assignment_or_error(Cursor& c, const StatementPlace& place, std::size_t start, std::string_view word);
  void label(Cursor& c, AnchorId before);
  void mark(const Cursor& c);
  void check_names();
  void block_close(Cursor& c);
  AnchorId start_output_line(std::string_view number);

  ProgramBuilder out_;
  std::vector<Frame> frames_;
  UserFunctions user_functions_;
  NameRole role_ = NameRole::kOther;
  std::vector<NameUse> names_;
  std::vector<SourceError> warnings_;
  std::vector<StatementMark> marks_;
  AnchorId line_start_ = -1;  // the current line's first byte, until its first statement
  bool first_line_ = true;
  bool line_empty_ = true;  // nothing written on the current output line yet
};

// Writes one statement whose keyword has been read; `keyword` is the spelling used.
using StatementWriter = void (*)(Tokenizer&, Cursor&, const StatementPlace&, uint16_t code, std::string_view keyword);
StatementWriter writer_for(uint16_t code);

}  // namespace tess::tok
