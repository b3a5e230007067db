// The remark reader of the full reading, replayed from tests/data/remarks.tsv, and in French
// from remarks_fr.tsv. A row holds the remark's groups, the sentences they give and how many
// groups the reader takes; 0 and an empty sentence for groups it must leave unread; a fourth
// column, when there is one, is the station of the report.

#include "metar/full/remarks.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/lines.hpp"

namespace vantrel {
namespace {

using ReadRemark = std::size_t (*)(std::span<const Group>, std::size_t, TextBuffer&);

// Replays one table through `read`; how many rows it held.
std::size_t replay(const std::string& file, ReadRemark read) {
  std::ifstream in(VANTREL_TEST_DATA_DIR "/" + file, std::ios::binary);
  EXPECT_TRUE(in) << "cannot read " << file;
  std::size_t rows = 0;
  for (std::string row; std::getline(in, row);) {
    if (row.empty() || row.front() == '#') continue;
    SCOPED_TRACE(row);
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    EXPECT_TRUE(columns.size() == 3 || columns.size() == 4);
    if (columns.size() < 3) continue;
    // The reader is called at its position after RMK and appends to the text before it.
    std::vector<Group> groups;
    if (columns.size() == 4) groups.emplace_back(columns[3]);
    groups.emplace_back("RMK");
    for (const std::string_view g : test::splitFields(columns[0], ' ')) groups.emplace_back(g);
    TextBuffer text;
    text += "Remarks: ";
    const std::size_t taken = read(groups, columns.size() - 2, text);
    EXPECT_EQ(text.view().substr(9), columns[1]);
    EXPECT_EQ(std::to_string(taken), columns[2]);
    ++rows;
  }
  return rows;
}

TEST(RemarksTest, EveryRowGivesItsSentenceAndTakesItsGroups) {
  EXPECT_GT(replay("remarks.tsv", full::readRemark), 200U);
}

// remarks_fr.tsv: the same remarks in French, taking the same groups.
TEST(RemarksTest, EveryFrenchRowGivesItsSentenceAndTakesItsGroups) {
  EXPECT_GT(replay("remarks_fr.tsv", full::readRemarkInFrench), 200U);
}

}  // namespace
}  // namespace vantrel
