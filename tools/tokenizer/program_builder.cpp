#include "tools/tokenizer/program_builder.h"

#include <cstdio>

namespace tess::tok {
namespace {
constexpr std::size_t kUnplaced = static_cast<std::size_t>(-1);
}

std::string format_target(int32_t position, TargetForm form) {
  if (form == TargetForm::kLineStart) ++position;
  char text[16];
  std::snprintf(text, sizeof text, form == TargetForm::kHex8 ? "%08x" : "%x", static_cast<uint32_t>(position));
  return text;
}

// The text opens with a reserved empty line (" \n"), written only when a restart
// must reach the first statement.
ProgramBuilder::ProgramBuilder() {
  anchor_piece_.push_back(kUnplaced);  // kStartAnchor
  Piece blank;
  blank.sealed = true;
  pieces_.push_back(blank);
  first_line_end_ = anchor_here();
  pieces_.push_back(blank);
}

void ProgramBuilder::bytes(std::string_view text) {
  if (!pieces_.empty() && !pieces_.back().is_target && pieces_.back().anchor < 0 && !pieces_.back().sealed) {
    pieces_.back().bytes.append(text);
    return;
  }
  Piece piece;
  piece.bytes = std::string(text);
  pieces_.push_back(std::move(piece));
}

AnchorId ProgramBuilder::new_anchor() {
  anchor_piece_.push_back(kUnplaced);
  return static_cast<AnchorId>(anchor_piece_.size() - 1);
}

void ProgramBuilder::place(AnchorId anchor) {
  Piece piece;
  piece.anchor = anchor;
  anchor_piece_[static_cast<std::size_t>(anchor)] = pieces_.size();
  pieces_.push_back(std::move(piece));
}

AnchorId ProgramBuilder::anchor_here() {
  const AnchorId anchor = new_anchor();
  place(anchor);
  return anchor;
}

void ProgramBuilder::target(AnchorId anchor, TargetForm form, bool avoid_start) {
  Piece piece;
  piece.avoid_start = avoid_start;
  piece.anchor = anchor;
  piece.is_target = true;
  piece.form = form;
  pieces_.push_back(std::move(piece));
}

void ProgramBuilder::target(std::string name, TargetForm form, SourceError where, bool avoid_start) {
  Piece piece;
  piece.avoid_start = avoid_start;
  piece.is_target = true;
  piece.form = form;
  piece.name = std::move(name);
  piece.where = std::move(where);
  pieces_.push_back(std::move(piece));
}

void ProgramBuilder::resolve_names() {
  for (auto& piece : pieces_) {
    if (!piece.is_target || piece.name.empty()) continue;
    auto found = names_.find(piece.name);
    if (found == names_.end()) {
      const bool is_label = piece.name[0] == '*';
      piece.where.message = (is_label ? "unresolved label " : "unresolved line number ") + piece.name;
      throw piece.where;
    }
    piece.anchor = found->second;
  }
  bool first_line_used = false;
  for (auto& piece : pieces_) {
    if (!piece.is_target || !piece.avoid_start || piece.anchor != kStartAnchor) continue;
    piece.anchor = first_line_end_;
    first_line_used = true;
  }
  if (first_line_used) {
    pieces_[0].bytes = " ";
    pieces_[2].bytes = "\n";
  }
}

std::vector<uint8_t> ProgramBuilder::finish() {
  resolve_names();
  // Target texts change length with the positions they name; widths only grow
  // while positions grow, so this settles.
  std::vector<std::string> texts(pieces_.size());
  for (bool changed = true; changed;) {
    changed = false;
    std::vector<int32_t> offsets(pieces_.size() + 1, 0);
    for (std::size_t i = 0; i < pieces_.size(); ++i)
      offsets[i + 1] = offsets[i] + static_cast<int32_t>(pieces_[i].is_target ? texts[i].size() : pieces_[i].bytes.size());
    for (std::size_t i = 0; i < pieces_.size(); ++i) {
      if (!pieces_[i].is_target) continue;
      const std::size_t at = anchor_piece_[static_cast<std::size_t>(pieces_[i].anchor)];
      const int32_t position = at == kUnplaced ? -1 : offsets[at];
      std::string text = format_target(position, pieces_[i].form);
      if (text != texts[i]) {
        texts[i] = std::move(text);
        changed = true;
      }
    }
  }
  std::vector<uint8_t> out;
  offsets_.assign(1, 0);
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    offsets_.push_back(offsets_.back() + static_cast<int32_t>((pieces_[i].is_target ? texts[i] : pieces_[i].bytes).size()));
    const std::string& text = pieces_[i].is_target ? texts[i] : pieces_[i].bytes;
    out.insert(out.end(), text.begin(), text.end());
  }
  return out;
}

int32_t ProgramBuilder::position(AnchorId anchor) const {
  const std::size_t at = anchor_piece_[static_cast<std::size_t>(anchor)];
  return at == kUnplaced || at >= offsets_.size() ? -1 : offsets_[at];
}

}  // namespace tess::tok
