// Collects program text whose jump targets are not known yet. A target refers to
// an anchor (a place in the text) or to a label or line number that is resolved
// once the whole program has been read; the layout then writes every target in
// hexadecimal, repeating until the target widths settle.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tokenizer/source_error.h"

namespace tess::tok {

using AnchorId = int;
inline constexpr AnchorId kStartAnchor = 0;  // position -1, before the first line

enum class TargetForm {
  kHex,        // "%x" of the position
  kHex8,       // "%08x": the conditional-loop test's fixed eight digits
  kLineStart,  // "%x" of the position after the separator (where a line's bytes begin)
};

class ProgramBuilder {
 public:
  ProgramBuilder();

  void bytes(std::string_view text);
  void byte(char c) { bytes(std::string_view(&c, 1)); }

  AnchorId new_anchor();          // not placed yet
  void place(AnchorId anchor);    // at the current end of the text
  AnchorId anchor_here();

  // avoid_start: the target may not be -1 (the restart refuses it); a target that
  // would be -1 names the '\n' of an empty first line added for the purpose.
  void target(AnchorId anchor, TargetForm form, bool avoid_start = false);
  // A target named by a label ("*name") or a line number ("100"), resolved in finish().
  void target(std::string name, TargetForm form, SourceError where, bool avoid_start = false);
  void define_name(const std::string& name, AnchorId anchor) { names_[name] = anchor; }
  bool has_name(const std::string& name) const { return names_.count(name) != 0; }

  // The finished program text. Throws SourceError for a name never defined.
  std::vector<uint8_t> finish();
  // Where a placed anchor ended up in the finished text (-1 when never placed).
  int32_t position(AnchorId anchor) const;

 private:
  struct Piece {
    std::string bytes;         // literal bytes (empty for anchors and targets)
    AnchorId anchor = -1;      // placed here, or referred to by a target
    bool is_target = false;
    TargetForm form = TargetForm::kHex;
    std::string name;          // a symbolic target's label or line number
    SourceError where;
    bool avoid_start = false;
    bool sealed = false;       // never extended by bytes()
  };
  void resolve_names();
  std::vector<Piece> pieces_;
  std::vector<std::size_t> anchor_piece_;  // piece index per anchor, or npos
  std::map<std::string, AnchorId> names_;
  AnchorId first_line_end_ = -1;  // the '\n' of the optional empty first line
  std::vector<int32_t> offsets_;  // each piece's position in the finished text
};

std::string format_target(int32_t position, TargetForm form);

}  // namespace tess::tok
