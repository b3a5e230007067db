#include "cli/json.hpp"

#include <array>
#include <cstddef>

namespace vantrel::cli {
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

}  // namespace

void appendJsonEscaped(std::string& out, std::string_view text) {
  const char* const data = text.data();
  const std::size_t size = text.size();
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const char escape = kEscapes[static_cast<unsigned char>(data[i])];
    if (escape == 0) continue;
    out.append(data + runStart, i - runStart);
    runStart = i + 1;
    if (escape == 'u') {
      const auto byte = static_cast<unsigned char>(data[i]);
      const char code[] = {'\\', 'u', '0', '0', kHexDigits[byte >> 4U], kHexDigits[byte & 0x0FU]};
      out.append(code, sizeof code);
    } else {
      const char code[] = {'\\', escape};
      out.append(code, sizeof code);
    }
  }
  out.append(data + runStart, size - runStart);
}

void appendJsonString(std::string& out, std::string_view text) {
  out.push_back('"');
  appendJsonEscaped(out, text);
  out.push_back('"');
}

}  // namespace vantrel::cli
