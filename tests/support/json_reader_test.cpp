// The shared JSON reader: every string escape of RFC 8259, and what it must refuse.

#include "support/json_reader.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/lines.hpp"

namespace vantrel::test {
namespace {

// The string `json` holds when it is exactly one JSON string, else nothing.
std::optional<std::string> onlyString(std::string_view json) {
  std::optional<JsonValue> value = JsonReader::parse(json);
  if (!value || value->kind != JsonValue::Kind::kString) return std::nullopt;
  return std::move(value->text);
}

TEST(JsonReaderTest, StringEscapes) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {R"("")", ""},
      {R"("18°C \"Q1013\" a\\b\/c")", "18°C \"Q1013\" a\\b/c"},
      {R"("\b\f\n\r\t")", "\b\f\n\r\t"},
      {R"("\u0041\u00b0\u00B0\u20AC")", "A°°€"},
      {R"("\u0000")", std::string_view("\0", 1)},
      {R"("\ud83d\ude00!")", "😀!"},
      {R"("\uDBFF\uDFFF")", "\xF4\x8F\xBF\xBF"},
  };
  for (const auto& [json, text] : cases) {
    SCOPED_TRACE(json);
    EXPECT_EQ(onlyString(json), std::optional<std::string>(text));
  }
  for (const std::string_view bad : {R"(")", R"("\x")", R"("\u00G0")", R"("\ud83d")",
                                     R"("\ud83d\u0041")", R"("\ude00")", "\"a\tb\"", R"("a" x)"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(JsonReader::parse(bad).has_value());
  }
}

TEST(LinesTest, SplitLines) {
  using Pieces = std::vector<std::string_view>;
  EXPECT_EQ(splitLines(""), Pieces{});
  EXPECT_EQ(splitLines("\n"), Pieces{""});
  EXPECT_EQ(splitLines("a\nb"), (Pieces{"a", "b"}));
  EXPECT_EQ(splitLines("a\n\nb\n"), (Pieces{"a", "", "b"}));
  EXPECT_EQ(splitLines("a\r\n"), Pieces{"a\r"});
}

}  // namespace
}  // namespace vantrel::test
