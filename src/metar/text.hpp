#pragma once
// Character helpers. Reports are UTF-8; positions and lengths count characters (code points),
// and only the ASCII letters a-z are ever upper-cased.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vantrel {

// ASCII upper-casing of one byte: a-z become A-Z, every other byte is returned as it is.
constexpr char asciiUpper(char c) noexcept {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - ('a' - 'A')) : c;
}

// True when the byte starts a character, that is when it is not a UTF-8 continuation byte
// (10xxxxxx). In valid UTF-8 the number of such bytes is the number of code points.
constexpr bool startsCharacter(char c) noexcept {
  return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
}

// Number of characters in a UTF-8 text: the bytes that start a character. Defined for any
// bytes: the first byte always starts a character, and any other stray continuation byte
// belongs to the character before it.
std::size_t countCharacters(std::string_view utf8) noexcept;

// Byte offset of the character at 0-based index `index` (the size of the text when the index is
// at or past the end).
std::size_t byteOffsetOfCharacter(std::string_view utf8, std::size_t index) noexcept;

// Validating UTF-8 decoder check (RFC 3629). Accepts exactly the well-formed sequences:
// U+0000..U+10FFFF in their shortest form. Rejects stray continuation bytes, truncated
// sequences, overlong forms (C0, C1, E0 80..9F, F0 80..8F), UTF-16 surrogates (ED A0..BF) and
// anything above U+10FFFF (F4 90.. and F5..FF). Returns the byte offset of the first byte of the
// first ill-formed sequence, or the size of the text when it is all well-formed.
std::size_t findInvalidUtf8(std::string_view bytes) noexcept;

// Byte-wise comparisons for short codes: a loop the compiler keeps inline, where == on views
// would call memcmp for two or three bytes.
constexpr bool sameCode(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}
constexpr bool startsWithCode(std::string_view s, std::string_view code) noexcept {
  return s.size() >= code.size() && sameCode(s.substr(0, code.size()), code);
}
constexpr bool endsWithCode(std::string_view s, std::string_view code) noexcept {
  return s.size() >= code.size() && sameCode(s.substr(s.size() - code.size()), code);
}

// True when no text holds a byte that a JSON string must escape (a control byte, '"' or '\\').
// The command line copies the lines of a report that needs no escaping as they are, so every
// fragment of the vocabulary is checked with this when it is compiled.
constexpr bool jsonSafe(std::string_view text) noexcept {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\') return false;
  }
  return true;
}
template <class Texts>
constexpr bool allJsonSafe(const Texts& texts) noexcept {
  for (const std::string_view t : texts) {
    if (!jsonSafe(t)) return false;
  }
  return true;
}
constexpr bool allJsonSafe(std::initializer_list<std::string_view> texts) noexcept {
  for (const std::string_view t : texts) {
    if (!jsonSafe(t)) return false;
  }
  return true;
}

// Sentence building: replace or extend a buffer with fragments, without temporaries, growing
// the buffer once for all of them.
template <class... Parts>
void appendText(std::string& buffer, const Parts&... parts) {
  const std::string_view views[] = {std::string_view(parts)...};
  std::size_t total = 0;
  for (const std::string_view v : views) total += v.size();
  const std::size_t old = buffer.size();
  buffer.resize(old + total);
  char* out = buffer.data() + old;
  for (const std::string_view v : views) {
    if (!v.empty()) std::memcpy(out, v.data(), v.size());
    out += v.size();
  }
}
template <class... Parts>
void assignText(std::string& buffer, const Parts&... parts) {
  buffer.clear();
  appendText(buffer, parts...);
}

inline bool isValidUtf8(std::string_view bytes) noexcept {
  return findInvalidUtf8(bytes) == bytes.size();
}

}  // namespace vantrel
