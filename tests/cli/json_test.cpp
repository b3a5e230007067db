#include "cli/json.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

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
    std::string out = "prefix:";
    appendJsonString(out, c.text);
    EXPECT_EQ(out, "prefix:" + std::string(c.json));
  }
}

TEST(JsonTest, EscapingInPiecesEqualsEscapingWhole) {
  // A cut may fall inside a UTF-8 sequence or between a run and an escape.
  const std::string_view text = "A\"B\\C\nD°E\x01中F";
  std::string whole;
  appendJsonEscaped(whole, text);
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    SCOPED_TRACE(::testing::Message() << "cut at " << cut);
    std::string pieces;
    appendJsonEscaped(pieces, text.substr(0, cut));
    appendJsonEscaped(pieces, text.substr(cut));
    EXPECT_EQ(pieces, whole);
  }
}

}  // namespace
}  // namespace vantrel::cli
