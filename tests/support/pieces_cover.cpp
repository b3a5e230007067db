#include "support/pieces_cover.hpp"

#include <algorithm>
#include <vector>

namespace vantrel::test {
namespace {

bool isSpace(char c) {
  return c == ' ';
}

// The report's groups: what the spaces separate.
std::vector<std::string_view> groupsOf(std::string_view report) {
  std::vector<std::string_view> groups;
  std::size_t i = 0;
  while (i < report.size()) {
    while (i < report.size() && isSpace(report[i])) ++i;
    const std::size_t start = i;
    while (i < report.size() && !isSpace(report[i])) ++i;
    if (i > start) groups.push_back(report.substr(start, i - start));
  }
  return groups;
}

}  // namespace

std::string piecesFault(std::string_view report, const Translation& explained,
                        const Translation& plain) {
  if (explained.text() != plain.text()) return "the lines differ when explaining";
  if (explained.refused()) {
    return explained.pieces().empty() ? "" : "a refused report has pieces";
  }
  const auto& pieces = explained.pieces();
  // Report order.
  for (std::size_t k = 1; k < pieces.size(); ++k) {
    if (pieces[k].at < pieces[k - 1].at) return "pieces out of report order";
  }
  // Every group in a piece, and every piece's group a group of the report.
  std::vector<const char*> covered;
  for (const auto& piece : pieces) {
    if (piece.groups.empty()) return "a piece of no group: \"" + std::string(piece.text) + "\"";
    for (std::size_t g = 0; g < piece.groups.size(); ++g) {
      if (g > 0 && piece.groups[g].data() <= piece.groups[g - 1].data()) {
        return "groups of a piece out of order or twice";
      }
      covered.push_back(piece.groups[g].data());
    }
    if (piece.at != static_cast<std::size_t>(piece.groups.front().data() - report.data())) {
      return "a piece's offset is not its first group's";
    }
  }
  std::sort(covered.begin(), covered.end());
  covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
  const std::vector<std::string_view> groups = groupsOf(report);
  if (covered.size() != groups.size()) {
    for (const std::string_view g : groups) {
      if (!std::binary_search(covered.begin(), covered.end(), g.data())) {
        return "group in no piece: " + std::string(g);
      }
    }
    return "a piece holds what is not a group of the report";
  }
  for (std::size_t k = 0; k < groups.size(); ++k) {
    if (covered[k] != groups[k].data()) return "a piece holds what is not a group of the report";
  }
  // Each line: its sentences, in the line's order, are the line with spaces between.
  for (std::size_t l = 0; l < explained.size(); ++l) {
    const std::string_view line = explained.line(l);
    std::vector<std::string_view> texts;
    for (const auto& piece : pieces) {
      if (piece.line == l) texts.push_back(piece.text);
    }
    if (texts.empty()) continue;
    std::sort(texts.begin(), texts.end(),
              [](std::string_view a, std::string_view b) { return a.data() < b.data(); });
    const char* at = line.data();
    for (const std::string_view t : texts) {
      if (t.data() < at && !t.empty()) return "sentences overlap in line " + std::to_string(l);
      while (at < t.data()) {
        if (!isSpace(*at)) {
          return "line " + std::to_string(l) + " has text in no sentence: \"" + std::string(line) +
                 "\"";
        }
        ++at;
      }
      at = std::max(at, t.data() + t.size());
    }
    for (; at < line.data() + line.size(); ++at) {
      if (!isSpace(*at)) {
        return "line " + std::to_string(l) + " has text in no sentence: \"" + std::string(line) +
               "\"";
      }
    }
  }
  return {};
}

}  // namespace vantrel::test
