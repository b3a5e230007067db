#include "metar/translation.hpp"

#include <algorithm>

namespace vantrel {

void Translation::addGroup(Piece& piece, const char* group) {
  // The whole group that holds `group`, from the space before it to the space after it.
  const char* const begin = report_.data();
  const char* const end = begin + report_.size();
  if (group < begin || group >= end) return;
  const char* start = group;
  while (start != begin && start[-1] != ' ') --start;
  const std::string_view g(start, static_cast<std::size_t>(nextSpace(start, end) - start));
  const auto at =
      std::lower_bound(piece.groups.begin(), piece.groups.end(), g,
                       [](std::string_view a, std::string_view b) { return a.data() < b.data(); });
  if (at == piece.groups.end() || at->data() != g.data()) piece.groups.insert(at, g);
}

void Translation::orderPieces() {
  if (refused_) {
    pieces_.clear();
    return;
  }
  for (Piece& piece : pieces_) {
    piece.at = piece.groups.empty()
                   ? report_.size()
                   : static_cast<std::size_t>(piece.groups.front().data() - report_.data());
    if (piece.line == Piece::kNoLine) continue;
    std::string_view text = line(piece.line);
    text = text.substr(std::min(piece.begin, text.size()));
    text = text.substr(0, std::min(piece.end, line(piece.line).size()) -
                              std::min(piece.begin, line(piece.line).size()));
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    piece.text = text;
  }
  for (const std::string_view g : unread()) {
    Piece& piece = pieces_.emplace_back();
    piece.at = static_cast<std::size_t>(g.data() - report_.data());
    piece.groups.push_back(g);
    piece.read = false;
  }
  std::stable_sort(pieces_.begin(), pieces_.end(),
                   [](const Piece& a, const Piece& b) { return a.at < b.at; });
}

std::vector<std::string> Translation::lines() const {
  std::vector<std::string> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back(line(i));
  return out;
}

std::size_t UnreadGroups::size() const noexcept {
  std::size_t n = 0;
  for (auto it = begin(); it != end(); ++it) ++n;
  return n;
}

}  // namespace vantrel
