// The group cursor and the character helpers under it: groups split at U+0020 only, positions
// and lengths in characters, ASCII-only upper-casing, and the UTF-8 validity check.

#include "metar/group_cursor.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "expect_lines.hpp"
#include "metar/text.hpp"

namespace vantrel {
namespace {

using namespace std::literals;

struct WalkCase {
  std::string report;
  std::vector<std::string_view> groups;  // the current group before each advance
};

TEST(GroupCursorTest, AdvanceWalksTheGroups) {
  const WalkCase cases[] = {
      {"METAR LFPG 121230Z", {"METAR", "LFPG", "121230Z", "", ""}},
      {"A  B", {"A", "", "B", "", ""}},
      {"A   B", {"A", "", "", "B", ""}},
      {" A", {"", "A", "", ""}},
      {"A ", {"A", "", ""}},
      {"", {"", "", ""}},
      {" ", {"", "", ""}},
      {"18/12\tQ1013 NOSIG", {"18/12\tQ1013", "NOSIG", ""}},
      {"LF\0G \x01\x02"s, {"LF\0G"sv, "\x01\x02", ""}},
      {"LFPÉ LFP😀 É", {"LFPÉ", "LFP😀", "É", ""}},
      {"Q1013=", {"Q1013=", "", ""}},
  };
  for (const WalkCase& c : cases) {
    SCOPED_TRACE(test::describe(c.report));
    GroupCursor cursor(c.report);
    for (std::size_t i = 0; i < c.groups.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(cursor.group().bytes(), c.groups[i]);
      // The remaining text is an unread tail of the report that begins with the current group.
      const std::string_view rest = cursor.remaining();
      EXPECT_TRUE(std::string_view(c.report).ends_with(rest));
      EXPECT_TRUE(rest.starts_with(cursor.group().bytes()));
      cursor.advance();
    }
  }
}

TEST(GroupCursorTest, NothingMovesAtTheEnd) {
  for (const std::string_view report : {"", "METAR", "METAR LFPG  ", "   "}) {
    SCOPED_TRACE(test::describe(report));
    GroupCursor cursor(report);
    for (int i = 0; i < 8; ++i) cursor.advance();
    EXPECT_TRUE(cursor.group().empty());
    EXPECT_TRUE(cursor.remaining().empty());
    const GroupCursor before = cursor;
    cursor.advance();
    EXPECT_TRUE(cursor == before);
    EXPECT_TRUE(cursor.group().empty());
  }
}

TEST(GroupCursorTest, RemainingTextFollowsTheGroup) {
  GroupCursor cursor("METAR LFPG  121230Z");
  EXPECT_EQ(cursor.remaining(), "METAR LFPG  121230Z");
  cursor.advance();
  EXPECT_EQ(cursor.remaining(), "LFPG  121230Z");
  cursor.advance();
  EXPECT_EQ(cursor.remaining(), " 121230Z");
  cursor.advance();
  EXPECT_EQ(cursor.remaining(), "121230Z");
  cursor.advance();
  EXPECT_EQ(cursor.remaining(), "");
}

struct SizeCase {
  std::string_view group;
  std::size_t characters;
};

TEST(GroupTest, SizeCountsCharactersNotBytes) {
  const SizeCase cases[] = {
      {"", 0},  {"LFPG", 4},    {"LFPÉ", 4}, {"LFP😀", 4},     {"ÉÉÉÉ", 4},
      {"°", 1}, {"121230Z", 7}, {"\t\t", 2}, {"ＬＦＰＧ", 4}, {"😀😀😀😀😀", 5},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(test::describe(c.group));
    EXPECT_EQ(Group(c.group).size(), c.characters);
    EXPECT_EQ(countCharacters(c.group), c.characters);
    EXPECT_EQ(Group(c.group).empty(), c.characters == 0);
  }
}

struct SliceCase {
  std::string_view group;
  std::size_t pos;
  std::size_t count;
  std::string_view slice;
};

TEST(GroupTest, SlicesAreInCharactersAndCutShort) {
  const SliceCase cases[] = {
      {"R27L/1200", 2, 3, "27L"}, {"R27L/1200", 6, 4, "1200"}, {"121230Z", 3, 2, "12"},
      {"LFPÉ", 4, 1, "É"},        {"LFPÉ", 3, 5, "PÉ"},        {"LFPÉ", 5, 1, ""},
      {"LFP😀", 4, 1, "😀"},        {"É😀AB", 2, 2, "😀A"},        {"LFPG", 1, 0, ""},
      {"LFPG", 1, 4, "LFPG"},     {"LFPG", 1, 99, "LFPG"},     {"", 1, 1, ""},
      {"VRB03kt", 6, 2, "kt"},
  };
  for (const SliceCase& c : cases) {
    SCOPED_TRACE(test::describe(c.group));
    SCOPED_TRACE(::testing::Message() << "pos " << c.pos << " count " << c.count);
    EXPECT_EQ(Group(c.group).slice(c.pos, c.count), c.slice);
  }
}

TEST(GroupTest, OnlyAsciiLettersAreUpperCased) {
  const Group group("az`{@[é0/");
  EXPECT_EQ(group.upperAt(1), 'A');
  EXPECT_EQ(group.upperAt(2), 'Z');
  EXPECT_EQ(group.upperAt(3), '`');
  EXPECT_EQ(group.upperAt(4), '{');
  EXPECT_EQ(group.upperAt(5), '@');
  EXPECT_EQ(group.upperAt(6), '[');
  EXPECT_NE(group.upperAt(7), 'E');
  EXPECT_EQ(group.upperAt(8), '0');
  EXPECT_EQ(group.upperAt(9), '/');
  EXPECT_EQ(group.upperAt(10), '\0');

  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    const char expected = (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 32) : c;
    EXPECT_EQ(asciiUpper(c), expected) << "byte " << byte;
  }
}

TEST(GroupTest, CodeComparisons) {
  EXPECT_TRUE(Group("metar").upperIs("METAR"));
  EXPECT_FALSE(Group("metar").sliceIs(1, "METAR"));
  EXPECT_TRUE(Group("METAR").sliceIs(1, "METAR"));
  EXPECT_FALSE(Group("METARS").upperIs("METAR"));
  EXPECT_FALSE(Group("META").upperIs("METAR"));
  EXPECT_TRUE(Group("24010kt").upperEndsWith("KT"));
  EXPECT_FALSE(Group("T").upperEndsWith("KT"));
  EXPECT_TRUE(Group("ÉÉ24010kt").upperEndsWith("KT"));
  EXPECT_TRUE(Group("m05/m07").upperSliceIs(5, "M"));
  EXPECT_TRUE(Group("É-shra").upperSliceIs(3, "SH"));
  EXPECT_FALSE(Group("É-shra").upperSliceIs(2, "SH"));
  EXPECT_FALSE(Group("RA").upperSliceIs(2, "AX"));
}

struct Utf8Case {
  std::string bytes;
  std::size_t firstInvalid;  // the size of the text when it is all well-formed
};

TEST(Utf8Test, FindsTheFirstIllFormedSequence) {
  const Utf8Case cases[] = {
      // Well-formed: every length, the ends of each range, NUL.
      {"", 0},
      {"METAR", 5},
      {"\0"s, 1},
      {"\x7F", 1},
      {"\xC2\x80", 2},          // U+0080
      {"\xDF\xBF", 2},          // U+07FF
      {"\xE0\xA0\x80", 3},      // U+0800
      {"\xED\x9F\xBF", 3},      // U+D7FF
      {"\xEE\x80\x80", 3},      // U+E000
      {"\xEF\xBF\xBF", 3},      // U+FFFF
      {"\xF0\x90\x80\x80", 4},  // U+10000
      {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF
      {"LFPÉ 18/12 °😀", 18},
      // Overlong forms.
      {"\xC0\x80", 0},
      {"\xC1\xBF", 0},
      {"\xE0\x80\x80", 0},
      {"\xE0\x9F\xBF", 0},
      {"\xF0\x80\x80\x80", 0},
      {"\xF0\x8F\xBF\xBF", 0},
      // UTF-16 surrogates.
      {"\xED\xA0\x80", 0},
      {"\xED\xBF\xBF", 0},
      {"AB\xED\xB0\x80", 2},
      // Beyond U+10FFFF.
      {"\xF4\x90\x80\x80", 0},
      {"\xF5\x80\x80\x80", 0},
      {"\xF7\xBF\xBF\xBF", 0},
      {"\xF8\x88\x80\x80\x80", 0},
      {"\xFE", 0},
      {"\xFF", 0},
      // Truncated sequences, at the end or followed by another character.
      {"\xC3", 0},
      {"\xE2\x82", 0},
      {"\xF0\x9F\x98", 0},
      {"LFP\xF0\x9F\x98", 3},
      {"\xE2\x82"
       "A",
       0},
      {"\xC3 ", 0},
      {"\xF0\x9F\x98\xC3\xA9", 0},
      // Stray continuation bytes.
      {"\x80", 0},
      {"A\xBF", 1},
      {"É\x80", 2},
      {"😀\x80", 4},
  };
  for (const Utf8Case& c : cases) {
    SCOPED_TRACE(test::describe(c.bytes));
    EXPECT_EQ(findInvalidUtf8(c.bytes), c.firstInvalid);
    EXPECT_EQ(isValidUtf8(c.bytes), c.firstInvalid == c.bytes.size());
    EXPECT_EQ(scanText(c.bytes).invalidUtf8At, c.firstInvalid);
  }
}

// The one pass over a report takes sixteen bytes at a time and its last few in a window that
// overlaps the bytes before: each kind of byte, at every place of texts of several lengths, must
// be seen as the plain byte-by-byte rule sees it.
TEST(TextScanTest, EveryByteAtEveryPlaceIsSeen) {
  for (const char byte : {'\n', '\r', '"', '\\', '\x01', '\x7F', '\xC3'}) {
    for (std::size_t length = 1; length <= 40; ++length) {
      for (std::size_t place = 0; place < length; ++place) {
        std::string text(length, 'A');
        text[place] = byte;
        SCOPED_TRACE(test::describe(text));
        const TextScan scan = scanText(text);
        const auto b = static_cast<unsigned char>(byte);
        EXPECT_EQ(scan.ascii, b < 0x80);
        EXPECT_EQ(scan.needsJsonEscape, b < 0x20 || byte == '"' || byte == '\\');
        EXPECT_EQ(scan.lineBreak, byte == '\n' || byte == '\r');
        EXPECT_EQ(scan.invalidUtf8At, b < 0x80 ? length : place);  // a lone lead byte
      }
    }
  }
}

}  // namespace
}  // namespace vantrel
