#pragma once
// Line splitting shared by the golden tests and the fuzz targets.

#include <cstddef>
#include <string_view>
#include <vector>

namespace vantrel::test {

// Splits at "\n"; a last piece without "\n" is a line too, an empty tail is not.
inline std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace vantrel::test
