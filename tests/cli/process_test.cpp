// The built program, run as a process: its real standard streams, exit status and failures that
// only a real file descriptor can show.

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/runs.hpp"

namespace vantrel::cli {
namespace {

using test::Outcome;

// What the program prints through its real streams is what run() prints on string streams.
TEST(ProcessTest, PrintsWhatRunPrints) {
  const std::string input =
      "METAR LFPG 121230Z 27010KT 240V300 9999 R27L/1200 RA BKN020 18/12 Q1013 NOSIG\r\n"
      "\n"
      "metar lfpg 121230z 24010kt 9999 ra bkn020 18/12 q1013 nosig\n"
      "EGLL 121220Z 24008KT CAVOK 21/09 Q1021 BECMG 4000 RA\n"
      "METAR \xFF\n"
      "SPECI LFPG 121230Z 24010KT 9999 BKN020 18/12 Q1013";
  const std::vector<std::vector<std::string>> argLists = {
      {},
      {"--json"},
      {"METAR LFPG 121230Z 27010KT 240V300 9999 BKN020 18/12 Q1013   "},
      {"--json", "LFPG 121230Z", "", "--", "-"},
      {"--help"},
      {"--version"},
      {"--nope"},
  };
  for (const std::vector<std::string>& args : argLists) {
    std::string shown;
    for (const std::string& arg : args) shown += "[" + arg + "]";
    SCOPED_TRACE("args " + shown);
    const std::vector<std::string_view> views(args.begin(), args.end());
    const Outcome expected = test::runOnStreams(views, input);
    const Outcome got = test::runProgram(VANTREL_TRANSLATE_BIN, args, input);
    EXPECT_EQ(got.out, expected.out);
    EXPECT_EQ(got.err, expected.err);
    EXPECT_EQ(got.status, expected.status);
  }
}

TEST(ProcessTest, FullDiskIsAWriteError) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full here";
  const std::string report = "EGLL 121220Z 24008KT CAVOK 21/09 Q1021";
  const std::vector<std::vector<std::string>> argLists = {
      {report}, {report, "--json"}, {"--help"}, {"--version"}};
  for (const std::vector<std::string>& args : argLists) {
    SCOPED_TRACE(args.back());
    const Outcome got = test::runProgram(VANTREL_TRANSLATE_BIN, args, "", {"", "/dev/full"});
    EXPECT_EQ(got.err, "vantrel-translate: write error: No space left on device\n");
    EXPECT_EQ(got.status, 2);
  }
}

TEST(ProcessTest, UnreadableInputIsAReadError) {
  const Outcome got =
      test::runProgram(VANTREL_TRANSLATE_BIN, {"--json"}, "", {::testing::TempDir(), ""});
  EXPECT_EQ(got.out, "");
  EXPECT_EQ(got.err, "vantrel-translate: standard input: Is a directory\n");
  EXPECT_EQ(got.status, 2);
}

}  // namespace
}  // namespace vantrel::cli
