#pragma once
// The characters of a code: digits, slashes for a value not reported, and letters compared
// without regard to case. Both readings' recognisers and the remarks test groups with these.

#include <cstddef>
#include <string_view>

#include "metar/text.hpp"

namespace vantrel::codes {

constexpr bool isDigit(char c) noexcept {
  return c >= '0' && c <= '9';
}
// A digit, or "/" for a digit not reported.
constexpr bool isDigitOrSlash(char c) noexcept {
  return isDigit(c) || c == '/';
}

// Not empty, and digits only.
constexpr bool allDigits(std::string_view s) noexcept {
  if (s.empty()) return false;
  for (const char c : s) {
    if (!isDigit(c)) return false;
  }
  return true;
}
// Not empty, and "/" only: a value not reported.
constexpr bool allSlashes(std::string_view s) noexcept {
  if (s.empty()) return false;
  for (const char c : s) {
    if (c != '/') return false;
  }
  return true;
}
// `count` digits at `pos`.
constexpr bool digitsAt(std::string_view s, std::size_t pos, std::size_t count) noexcept {
  return pos + count <= s.size() && allDigits(s.substr(pos, count));
}
// Only zeros (or nothing).
constexpr bool allZeros(std::string_view digits) noexcept {
  return digits.find_first_not_of('0') == std::string_view::npos;
}

// `s`, ASCII upper-cased, equals `code`, which is written in capitals. A byte that is not ASCII
// never matches.
constexpr bool is(std::string_view s, std::string_view code) noexcept {
  if (s.size() != code.size()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (asciiUpper(s[i]) != code[i]) return false;
  }
  return true;
}
constexpr bool startsWith(std::string_view s, std::string_view code) noexcept {
  return s.size() >= code.size() && is(s.substr(0, code.size()), code);
}
constexpr bool endsWith(std::string_view s, std::string_view code) noexcept {
  return s.size() >= code.size() && is(s.substr(s.size() - code.size()), code);
}

}  // namespace vantrel::codes
