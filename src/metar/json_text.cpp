#include "metar/json_text.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vantrel {
namespace {

// For each byte: 0 when it is copied as it is, else the letter of its short escape, or 'u' for
// the \u00xx form.
constexpr std::array<char, 256> kEscapes = [] {
  std::array<char, 256> table{};
  for (std::size_t c = 0; c < 0x20; ++c) table[c] = 'u';
  table['\b'] = 'b';
  table['\f'] = 'f';
  table['\n'] = 'n';
  table['\r'] = 'r';
  table['\t'] = 't';
  table['"'] = '"';
  table['\\'] = '\\';
  return table;
}();

constexpr std::string_view kHexDigits = "0123456789abcdef";

// Sixteen bytes at a time: GCC and Clang turn these vector operations into SSE2 or NEON
// compares. Reports and sentences rarely hold a byte to escape, so most text is passed over in
// one test per sixteen bytes.
using Bytes16 = unsigned char __attribute__((vector_size(16)));
constexpr std::size_t kStride = sizeof(Bytes16);

inline bool hasByteToEscape(const char* bytes) noexcept {
  Bytes16 v;
  std::memcpy(&v, bytes, kStride);
  const auto found = (v < 0x20) | (v == '"') | (v == '\\');
  std::uint64_t halves[2];
  std::memcpy(halves, &found, sizeof halves);
  return (halves[0] | halves[1]) != 0;
}

}  // namespace

void appendJsonEscaped(TextBuffer& out, std::string_view text) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t runStart = 0;
  std::size_t i = 0;
  while (i < size) {
    if (i + kStride <= size) {
      if (!hasByteToEscape(data + i)) {
        i += kStride;
        continue;
      }
    } else if (size >= kStride && !hasByteToEscape(data + size - kStride)) {
      break;  // the last few bytes, tested together with some already passed over
    }
    // Somewhere in these sixteen bytes (or the last few) is a byte to escape.
    for (const std::size_t stop = std::min(size, i + kStride); i < stop; ++i) {
      const char escape = kEscapes[static_cast<unsigned char>(data[i])];
      if (escape == 0) continue;
      out.append(std::string_view(data + runStart, i - runStart));
      runStart = i + 1;
      if (escape == 'u') {
        const auto byte = static_cast<unsigned char>(data[i]);
        const char code[] = {'\\', 'u', '0', '0', kHexDigits[byte >> 4U], kHexDigits[byte & 0x0FU]};
        out.append(std::string_view(code, sizeof code));
      } else {
        const char code[] = {'\\', escape};
        out.append(std::string_view(code, sizeof code));
      }
    }
  }
  out.append(std::string_view(data + runStart, size - runStart));
}

void appendJsonString(TextBuffer& out, std::string_view text) {
  out += '"';
  appendJsonEscaped(out, text);
  out += '"';
}

}  // namespace vantrel
