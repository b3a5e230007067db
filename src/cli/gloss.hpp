#pragma once
// The text form of --explain: a gloss of the report in two columns, each group (or the groups
// read together) on the left and the sentence it gave on the right, in report order.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "metar/translation.hpp"

namespace vantrel::cli {

// Widths count characters (code points), not bytes.
class Gloss {
 public:
  // The left column is as wide as the widest groups of `pieces` not wider than kMaxGroupsWidth;
  // a row is at most `width` characters wide where its words allow.
  static constexpr std::size_t kMaxGroupsWidth = 24;
  // The right column is never narrower than this, however narrow the width.
  static constexpr std::size_t kMinTextWidth = 20;

  Gloss(std::span<const Translation::Piece> pieces, std::size_t width);

  // Appends the rows of one piece, each ending in a newline: the groups, wrapped between groups
  // when they are wider than the left column (one group wider still takes a row of its own), and
  // the sentence wrapped between words, its continuation rows indented to the right column. An
  // unread group reads "(not translated)", a closing "=" "(end of report)".
  void append(std::string& out, const Translation::Piece& piece) const;

 private:
  std::size_t groupsWidth_ = 0;
  std::size_t textWidth_ = 0;
};

// The whole gloss of `pieces` for rows of `width` characters.
std::string gloss(std::span<const Translation::Piece> pieces, std::size_t width);

}  // namespace vantrel::cli
