// The --explain gloss of vantrel-translate, replayed from tests/data/gloss.tsv. A row holds the
// reports given as arguments, the reading, the characters of a row and the output, with "\n"
// for a line end (and between reports) and "\\" for a backslash.

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/lines.hpp"
#include "support/runs.hpp"

namespace vantrel::cli {
namespace {

std::string unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      ++i;
      out += text[i] == 'n' ? '\n' : text[i];
    } else {
      out += text[i];
    }
  }
  return out;
}

TEST(GlossTest, EveryRowPrintsItsGloss) {
  std::ifstream in(VANTREL_TEST_DATA_DIR "/gloss.tsv", std::ios::binary);
  ASSERT_TRUE(in) << "cannot read gloss.tsv";
  std::size_t rows = 0;
  for (std::string row; std::getline(in, row);) {
    if (row.empty() || row.front() == '#') continue;
    SCOPED_TRACE(row);
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    ASSERT_EQ(columns.size(), 4U);
    const std::string reports = unescape(columns[0]);
    std::vector<std::string_view> args = {"--explain"};
    if (columns[1] == "full") args.emplace_back("--full");
    for (const std::string_view report : test::splitLines(reports)) args.push_back(report);
    RunSettings settings;
    settings.glossWidth = std::stoul(std::string(columns[2]));
    EXPECT_EQ(test::runOnStreams(args, "", settings).out, unescape(columns[3]));
    ++rows;
  }
  EXPECT_GT(rows, 5U);
}

}  // namespace
}  // namespace vantrel::cli
