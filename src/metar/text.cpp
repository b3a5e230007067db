#include "metar/text.hpp"

#include <cstring>

namespace vantrel {

std::size_t countCharacters(std::string_view utf8) noexcept {
  if (utf8.empty()) return 0;
  std::size_t n = 1;  // the first byte starts a character, whatever it is
  for (std::size_t i = 1; i < utf8.size(); ++i) n += startsCharacter(utf8[i]) ? 1U : 0U;
  return n;
}

std::size_t byteOffsetOfCharacter(std::string_view utf8, std::size_t index) noexcept {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (i == 0 || startsCharacter(utf8[i])) {
      if (seen == index) return i;
      ++seen;
    }
  }
  return utf8.size();
}

std::size_t findInvalidUtf8(std::string_view bytes) noexcept {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    // ASCII fast path: eight bytes at a time while none has its high bit set.
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, s + i, sizeof word);
      if ((word & 0x8080808080808080ULL) != 0) break;
      i += 8;
    }
    if (i >= n) break;
    const unsigned char b = s[i];
    if (b < 0x80) {
      ++i;
      continue;
    }
    // Lead byte: length of the sequence and the allowed range of its second byte.
    std::size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      len = 3;
      if (b == 0xE0) lo = 0xA0;  // no overlong three-byte forms
      if (b == 0xED) hi = 0x9F;  // no UTF-16 surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      len = 4;
      if (b == 0xF0) lo = 0x90;  // no overlong four-byte forms
      if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
      return i;
    }
    if (i + len > n) return i;
    if (s[i + 1] < lo || s[i + 1] > hi) return i;
    for (std::size_t k = 2; k < len; ++k) {
      if ((s[i + k] & 0xC0U) != 0x80U) return i;
    }
    i += len;
  }
  return n;
}

}  // namespace vantrel
