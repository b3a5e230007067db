#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "metar/json_text.hpp"

namespace vantrel::cli {
namespace {

using namespace std::string_view_literals;

struct EscapeCase {
  std::string_view text;
  std::string_view json;
};

TEST(JsonTest, EscapesQuoteBackslashAndControlCharacters) {
  const EscapeCase cases[] = {
      {"", R"("")"},
      {"METAR LFPG 121230Z", R"("METAR LFPG 121230Z")"},
      {"trailing  ", R"("trailing  ")"},
      {R"(say "hi")", R"("say \"hi\"")"},
      {R"(a\b)", R"("a\\b")"},
      {"\n\r\t\b\f", R"("\n\r\t\b\f")"},
      {"\x00\x01\x1f"sv, R"("\u0000\u0001\u001f")"},
      {"\x0b\x1b", R"("\u000b\u001b")"},
      // DEL and everything from 0x80 up are not control characters for JSON.
      {"\x7f", "\"\x7f\""},
      {"18°Celsius", "\"18°Celsius\""},
      {"中😀\u2028", "\"中😀\u2028\""},
      {"\"\"\\\\", R"("\"\"\\\\")"},
      {"a\tb\"c", R"("a\tb\"c")"},
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "json " << c.json);
    TextBuffer out;
    out += "prefix:";
    appendJsonString(out, c.text);
    EXPECT_EQ(out, "prefix:" + std::string(c.json));
  }
}

TEST(JsonTest, EscapingInPiecesEqualsEscapingWhole) {
  // A cut may fall inside a UTF-8 sequence or between a run and an escape.
  const std::string_view text = "A\"B\\C\nD°E\x01中F";
  TextBuffer whole;
  appendJsonEscaped(whole, text);
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    SCOPED_TRACE(::testing::Message() << "cut at " << cut);
    TextBuffer pieces;
    appendJsonEscaped(pieces, text.substr(0, cut));
    appendJsonEscaped(pieces, text.substr(cut));
    EXPECT_EQ(pieces, whole);
  }
}

// The escaper passes over sixteen bytes at a time and tests the tail of a text in one window that
// overlaps the bytes before it; every byte value at every place of texts of several lengths
// must still come out as the plain byte-by-byte rule says.
TEST(JsonTest, EveryByteAtEveryPlaceIsEscapedByTheRule) {
  const auto expected = [](unsigned char byte) -> std::string {
    switch (byte) {
      case '"':
        return "\\\"";
      case '\\':
        return "\\\\";
      case '\n':
        return "\\n";
      case '\r':
        return "\\r";
      case '\t':
        return "\\t";
      case '\b':
        return "\\b";
      case '\f':
        return "\\f";
      default:
        break;
    }
    if (byte >= 0x20) return std::string(1, static_cast<char>(byte));
    constexpr char kHex[] = "0123456789abcdef";
    return std::string("\\u00") + kHex[byte >> 4U] + kHex[byte & 0xFU];
  };
  for (const std::size_t length :
       {std::size_t{5}, std::size_t{16}, std::size_t{21}, std::size_t{40}}) {
    for (unsigned value = 0; value < 256; ++value) {
      const auto byte = static_cast<unsigned char>(value);
      for (std::size_t place = 0; place < length; ++place) {
        SCOPED_TRACE(::testing::Message()
                     << "byte " << value << " at " << place << " of " << length);
        std::string text(length, 'A');
        text[place] = static_cast<char>(byte);
        TextBuffer out;
        appendJsonEscaped(out, text);
        EXPECT_EQ(out,
                  std::string(place, 'A') + expected(byte) + std::string(length - 1 - place, 'A'));
      }
    }
  }
}

}  // namespace
}  // namespace vantrel::cli
