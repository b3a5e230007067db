#pragma once
// Character helpers. Reports are UTF-8; positions and lengths count characters (code points),
// and only the ASCII letters a-z are ever upper-cased.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "metar/text_buffer.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// fragment of the vocabulary is checked with this when it is compiled (fragment.hpp).
constexpr bool jsonSafe(std::string_view text) noexcept {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\') return false;
  }
  return true;
}
// Sentence building: replace or extend a buffer with fragments, without temporaries, growing
// the buffer once for all of them.
template <class... Parts>
[[gnu::always_inline]] inline void appendText(TextBuffer& buffer, const Parts&... parts) {
  // Folded over the parts, so that the size of a constant fragment stays a constant and its copy
  // is chosen when compiling.
  char* out = buffer.extend((std::string_view(parts).size() + ...));
  ((copyBytes(out, std::string_view(parts).data(), std::string_view(parts).size()),
    out += std::string_view(parts).size()),
   ...);
}
template <class... Parts>
void assignText(TextBuffer& buffer, const Parts&... parts) {
  buffer.clear();
  appendText(buffer, parts...);
}

inline bool isValidUtf8(std::string_view bytes) noexcept {
  return findInvalidUtf8(bytes) == bytes.size();
}

// What one pass over a text finds: whether it is plain ASCII, whether JSON must escape a byte of
// it, whether it holds a line break, and where it first stops being valid UTF-8. A plain-ASCII
// text is passed over sixteen bytes at a time; the slower checks run only for the rare text that
// needs them.
struct TextScan {
  std::size_t invalidUtf8At = 0;  // the size of the text when it is all valid UTF-8
  bool ascii = true;
  bool needsJsonEscape = false;  // a control byte, '"' or '\\'
  bool lineBreak = false;        // '\n' or '\r'
};
[[gnu::hot]] TextScan scanText(std::string_view text) noexcept;

// A bit for each of the 64 bytes at `p` that is a space (bit i for byte i); bytes at or past
// `end` count as spaces.
inline std::uint64_t spaceBits(const char* p, const char* end) noexcept {
  char window[64];
  if (end - p < 64) {
    std::memset(window, ' ', sizeof window);
    std::memcpy(window, p, static_cast<std::size_t>(end - p));
    p = window;
  }
#if defined(__SSE2__)
  const __m128i spaces = _mm_set1_epi8(' ');
  std::uint64_t bits = 0;
  for (int i = 0; i < 4; ++i) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
    const auto found = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, spaces)));
    bits |= std::uint64_t{found} << (16 * i);
  }
  return bits;
#else
  std::uint64_t bits = 0;
  for (int i = 0; i < 64; ++i) bits |= std::uint64_t{p[i] == ' '} << i;
  return bits;
#endif
}

// The first space at or after `p`, or `end`: eight bytes at a time while whole words remain,
// never reading past `end`.
inline const char* nextSpace(const char* p, const char* const end) noexcept {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kSpaces = kOnes * ' ';
  constexpr std::uint64_t kHighs = kOnes * 0x80U;
  while (std::endian::native == std::endian::little && end - p >= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    const std::uint64_t x = word ^ kSpaces;  // a zero byte where a space was
    const std::uint64_t zeros = (x - kOnes) & ~x & kHighs;
    if (zeros != 0) return p + std::countr_zero(zeros) / 8;  // little-endian byte order
    p += 8;
  }
  while (p != end && *p != ' ') ++p;
  return p;
}

}  // namespace vantrel
