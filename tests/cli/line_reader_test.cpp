#include "cli/line_reader.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace vantrel::cli {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using Lines = std::vector<std::string>;

Lines readAll(std::string_view input, std::size_t blockSize) {
  std::istringstream in{std::string(input)};
  LineReader reader(in, blockSize);
  Lines lines;
  std::string_view line;
  while (reader.next(line)) {
    lines.emplace_back(line);
    EXPECT_EQ(reader.lineNumber(), lines.size());
  }
  EXPECT_FALSE(reader.error());
  return lines;
}

struct SplitCase {
  std::string_view input;
  Lines lines;
};

// Each input is read with blocks of every size from 1 byte up, so each line end, "\r\n" pair and
// partial line falls on a block boundary at least once.
TEST(LineReaderTest, SplitsLinesWhateverTheBlockSize) {
  const SplitCase cases[] = {
      {"", {}},
      {"\n", {""}},
      {"\n\n", {"", ""}},
      {"one", {"one"}},
      {"one\n", {"one"}},
      {"one\ntwo", {"one", "two"}},
      {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\r\n\r\n", {"one", ""}},
      // Only one "\r" before the line end is dropped, and only there.
      {"a\r\r\nb\rc\n", {"a\r", "b\rc"}},
      {"last\r", {"last\r"}},
      {"\r", {"\r"}},
      {"  spaced  \t \n  ", {"  spaced  \t ", "  "}},
      {"nul\0inside\n"sv, {"nul\0inside"s}},
      {"METAR LFPG 121230Z 27010KT\nMETAR EGLL 121220Z 24008KT 9999\n\nEDDF\n",
       {"METAR LFPG 121230Z 27010KT", "METAR EGLL 121220Z 24008KT 9999", "", "EDDF"}},
      // A byte-order mark is skipped at the very start only, and only whole.
      {"\xEF\xBB\xBFone\r\ntwo", {"one", "two"}},
      {"\xEF\xBB\xBF", {}},
      {"\xEF\xBB\xBF\n", {""}},
      {"\xEF\xBB\xBF\xEF\xBB\xBFone", {"\xEF\xBB\xBFone"}},
      {"one\n\xEF\xBB\xBFtwo", {"one", "\xEF\xBB\xBFtwo"}},
      {"\xEF\xBBone\n", {"\xEF\xBBone"}},
  };
  for (const SplitCase& c : cases) {
    for (std::size_t block = 1; block <= c.input.size() + 1; ++block) {
      SCOPED_TRACE(::testing::Message()
                   << "input " << ::testing::PrintToString(std::string(c.input)) << ", block "
                   << block);
      EXPECT_EQ(readAll(c.input, block), c.lines);
    }
  }
}

TEST(LineReaderTest, LongLineCrossingManyBlocksComesOutWhole) {
  const std::string longLine(100000, 'A');
  const std::string input = "short\n" + longLine + "\r\nend";
  EXPECT_EQ(readAll(input, 4096), (Lines{"short", longLine, "end"}));
}

TEST(LineReaderTest, TakeKeepsTheLineAndReadingGoesOn) {
  for (const std::size_t block : {std::size_t{2}, std::size_t{5}, std::size_t{64}}) {
    SCOPED_TRACE(::testing::Message() << "block " << block);
    std::istringstream in("first line\r\nsecond\nthird");
    LineReader reader(in, block);
    std::string_view line;
    std::string kept = "old content that is longer";
    ASSERT_TRUE(reader.next(line));
    reader.take(kept);
    EXPECT_EQ(kept, "first line");
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "second");
    ASSERT_TRUE(reader.next(line));
    reader.take(kept);
    EXPECT_EQ(kept, "third");
    EXPECT_FALSE(reader.next(line));
    EXPECT_EQ(kept, "third");
  }
}

// Hands out its text a few bytes at a time and says nothing is ready in between, like a pipe
// whose writer is slow; then fails like a read from a directory.
class TrickleBuffer : public std::streambuf {
 public:
  TrickleBuffer(std::string text, bool failAtEnd) : text_(std::move(text)), failAtEnd_(failAtEnd) {}
  int waits = 0;

 protected:
  std::streamsize showmanyc() override { return 0; }
  int_type underflow() override {
    if (pos_ >= text_.size()) {
      if (failAtEnd_)
        throw std::ios_base::failure("read", std::make_error_code(std::errc::is_a_directory));
      return traits_type::eof();
    }
    ++waits;
    const std::size_t n = std::min<std::size_t>(3, text_.size() - pos_);
    chunk_ = text_.substr(pos_, n);
    pos_ += n;
    setg(chunk_.data(), chunk_.data(), chunk_.data() + chunk_.size());
    return traits_type::to_int_type(chunk_[0]);
  }

 private:
  std::string text_;
  bool failAtEnd_;
  std::string chunk_;
  std::size_t pos_ = 0;
};

TEST(LineReaderTest, TellsBeforeWaitingForInput) {
  TrickleBuffer buffer("ab\ncdefg\nh", false);
  std::istream in(&buffer);
  int calls = 0;
  LineReader reader(in, 1024, [&calls] { ++calls; });
  Lines lines;
  std::string_view line;
  while (reader.next(line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (Lines{"ab", "cdefg", "h"}));
  // Once before each chunk, and once more before finding the end.
  EXPECT_EQ(calls, buffer.waits + 1);
  EXPECT_FALSE(reader.error());
}

TEST(LineReaderTest, ReadErrorEndsInputAndIsKept) {
  TrickleBuffer buffer("one\ntwo", true);
  std::istream in(&buffer);
  LineReader reader(in, 1024);
  Lines lines;
  std::string_view line;
  while (reader.next(line)) lines.emplace_back(line);
  // The partial last line read before the failure still counts.
  EXPECT_EQ(lines, (Lines{"one", "two"}));
  EXPECT_EQ(reader.error(), std::make_error_code(std::errc::is_a_directory));
  EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace vantrel::cli
