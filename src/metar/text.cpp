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

namespace vantrel {
namespace {

// Sixteen bytes at a time: GCC and Clang turn these vector operations into SSE2 or NEON compares.
using Bytes16 = unsigned char __attribute__((vector_size(16)));

}  // namespace

TextScan scanText(std::string_view text) noexcept {
  const auto* const s = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  Bytes16 high{};
  Bytes16 special{};
  std::size_t i = 0;
  for (; i + sizeof(Bytes16) <= n; i += sizeof(Bytes16)) {
    Bytes16 v;
    std::memcpy(&v, s + i, sizeof v);
    high |= v;
    special |= static_cast<Bytes16>((v < 0x20) | (v == '"') | (v == '\\'));
  }
  unsigned highTail = 0;
  bool specialTail = false;
  if (i != n && n >= sizeof(Bytes16)) {
    // The last few bytes, tested together with some already passed over.
    Bytes16 v;
    std::memcpy(&v, s + n - sizeof v, sizeof v);
    high |= v;
    special |= static_cast<Bytes16>((v < 0x20) | (v == '"') | (v == '\\'));
    i = n;
  }
  for (; i < n; ++i) {
    highTail |= s[i];
    specialTail = specialTail || s[i] < 0x20 || s[i] == '"' || s[i] == '\\';
  }
  std::uint64_t words[4];
  std::memcpy(words, &high, sizeof high);
  std::memcpy(words + 2, &special, sizeof special);

  TextScan scan;
  scan.invalidUtf8At = n;
  scan.ascii = ((words[0] | words[1]) & 0x8080808080808080ULL) == 0 && (highTail & 0x80U) == 0;
  scan.needsJsonEscape = (words[2] | words[3]) != 0 || specialTail;
  if (scan.needsJsonEscape) {
    scan.lineBreak = std::memchr(s, '\n', n) != nullptr || std::memchr(s, '\r', n) != nullptr;
  }
  if (!scan.ascii) scan.invalidUtf8At = findInvalidUtf8(text);
  return scan;
}

}  // namespace vantrel
