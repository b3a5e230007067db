#include "cli/gloss.hpp"

#include <algorithm>
#include <vector>

namespace vantrel::cli {
namespace {

// Spaces between the two columns.
constexpr std::size_t kGap = 2;

// The characters of `text`: its bytes less the UTF-8 continuation bytes.
std::size_t characters(std::string_view text) noexcept {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
  }));
}

struct Row {
  std::string text;
  std::size_t characters = 0;
};

// `words` a space apart, in rows of at most `width` characters; a word wider than that takes a
// row of its own.
std::vector<Row> wrap(std::span<const std::string_view> words, std::size_t width) {
  std::vector<Row> rows;
  for (const std::string_view word : words) {
    const std::size_t n = characters(word);
    if (!rows.empty() && rows.back().characters + 1 + n <= width) {
      rows.back().text += ' ';
      rows.back().text += word;
      rows.back().characters += 1 + n;
    } else {
      rows.push_back({std::string(word), n});
    }
  }
  return rows;
}

std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> out;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(' '), text.size());
    if (end != 0) out.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return out;
}

std::size_t groupsWidth(const Translation::Piece& piece) {
  std::size_t n = piece.groups.empty() ? 0 : piece.groups.size() - 1;
  for (const std::string_view g : piece.groups) n += characters(g);
  return n;
}

}  // namespace

Gloss::Gloss(std::span<const Translation::Piece> pieces, std::size_t width) {
  // Groups wider than the limit do not widen the column: they wrap, or stand on rows of their own.
  for (const Translation::Piece& piece : pieces) {
    if (const std::size_t n = groupsWidth(piece); n <= kMaxGroupsWidth) {
      groupsWidth_ = std::max(groupsWidth_, n);
    }
  }
  const std::size_t left = groupsWidth_ + kGap;
  textWidth_ = std::max(kMinTextWidth, width > left ? width - left : 0);
}

void Gloss::append(std::string& out, const Translation::Piece& piece) const {
  const std::vector<Row> groups = wrap(piece.groups, groupsWidth_);
  std::vector<Row> text;
  if (piece.unread()) {
    text.push_back({"(not translated)", 16});
  } else if (piece.line == Translation::Piece::kNoLine) {
    text.push_back({"(end of report)", 15});
  } else {
    text = wrap(words(piece.text), textWidth_);
  }
  std::size_t next = 0;
  for (const Row& row : groups) {
    out += row.text;
    // A group wider than the column stands alone; the sentence begins below it.
    if (row.characters <= groupsWidth_ && next < text.size()) {
      out.append(groupsWidth_ - row.characters + kGap, ' ');
      out += text[next++].text;
    }
    out += '\n';
  }
  for (; next < text.size(); ++next) {
    out.append(groupsWidth_ + kGap, ' ');
    out += text[next].text;
    out += '\n';
  }
}

std::string gloss(std::span<const Translation::Piece> pieces, std::size_t width) {
  const Gloss layout(pieces, width);
  std::string out;
  for (const Translation::Piece& piece : pieces) layout.append(out, piece);
  return out;
}

}  // namespace vantrel::cli
