#pragma once
// Line and field splitting shared by the tests and the fuzz targets.

#include <cstddef>
#include <string_view>
#include <vector>

#include "metar/translation.hpp"

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

// Splits at every `separator`: n separators give n + 1 fields, empty ones included.
inline std::vector<std::string_view> splitFields(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  for (std::size_t at = 0;;) {
    const std::size_t next = text.find(separator, at);
    fields.push_back(text.substr(at, next == std::string_view::npos ? next : next - at));
    if (next == std::string_view::npos) return fields;
    at = next + 1;
  }
}

// The lines that say something: the two readings compare on these, the full reading writing no
// empty body line where the classic reading keeps one.
inline std::vector<std::string_view> saidLines(const Translation& translation) {
  std::vector<std::string_view> lines;
  for (std::size_t i = 0; i < translation.size(); ++i) {
    if (!translation.line(i).empty()) lines.push_back(translation.line(i));
  }
  return lines;
}

}  // namespace vantrel::test
