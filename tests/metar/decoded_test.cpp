// The decoded values (docs/json.md, "Decoded values"), replayed from tests/data/decoded.tsv. A row
// holds the section (body, trend or remark), the groups as typed and the value's JSON; an empty
// JSON for groups that give no value. The groups may be written "before | value" or
// "before | value | after" when the value depends on the groups around it: in the body and the
// trend, the groups before are read first, as the section would (the minimum visibility after the
// prevailing one), and the groups after follow (///// before the pressure is the temperature); in
// the remarks, the groups before stand before RMK (the station, when the reading depends on it;
// KXYZ otherwise). A value takes exactly its groups.

#include "metar/decoded.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "metar/describe.hpp"
#include "metar/full/groups.hpp"
#include "metar/full/recognisers.hpp"
#include "metar/full/remarks.hpp"
#include "support/json_reader.hpp"
#include "support/lines.hpp"

namespace vantrel {
namespace {

// The value of the group at groups[at] as the body or a trend section reads it, and the number of
// groups it took (0: none).
std::size_t describeInSection(const std::vector<Group>& groups, std::size_t at, Section section,
                              Decoded& out) {
  full::SectionText text;
  LineText supplementary;
  for (std::size_t i = 0; i < at;) {
    const std::size_t n = full::readGroup(groups, i, section, text, supplementary);
    i += n == 0 ? 1 : n;
  }
  out.clear();
  if (section == Section::kTrend) {
    values::Turbulence turbulence;
    if (const std::size_t n = full::readTurbulence(groups, at, turbulence)) {
      describe(turbulence, out);
      return n;
    }
    values::TrendTime time;
    if (const std::size_t n = full::readTrendTime(groups, at, time)) {
      describe(time, out);
      return n;
    }
  }
  // Read as the section reads it (which may refuse a group out of its place), then described.
  full::SectionText copy = text;
  LineText ignored;
  const std::size_t read = full::readGroup(groups, at, section, copy, ignored);
  if (read == 0) return 0;
  const std::optional<full::Upper> u = full::upper(groups[at]);
  values::GroupValue value;
  const full::Context context{groups, at, u->view(), section, text.facts};
  const std::size_t n = full::recognise(context, value);
  EXPECT_EQ(n, read);
  describe(value, out);
  return n;
}

TEST(Decoded, EveryRowGivesItsValue) {
  std::ifstream in(VANTREL_TEST_DATA_DIR "/decoded.tsv", std::ios::binary);
  ASSERT_TRUE(in) << "cannot read decoded.tsv";
  std::size_t rows = 0;
  for (std::string row; std::getline(in, row);) {
    if (row.empty() || row.front() == '#') continue;
    SCOPED_TRACE(row);
    const std::vector<std::string_view> columns = test::splitFields(row, '\t');
    ASSERT_EQ(columns.size(), 3U);
    const std::string_view section = columns[0];
    ASSERT_TRUE(section == "body" || section == "trend" || section == "remark");
    // before | value | after: the groups around the value's, when there are any.
    std::vector<std::vector<std::string_view>> parts(1);
    for (const std::string_view g : test::splitFields(columns[1], ' ')) {
      if (g == "|") {
        parts.emplace_back();
      } else {
        parts.back().push_back(g);
      }
    }
    const std::vector<std::string_view> none;
    const std::vector<std::string_view>& before = parts.size() > 1 ? parts[0] : none;
    const std::vector<std::string_view>& value = parts.size() > 1 ? parts[1] : parts[0];
    const std::vector<std::string_view>& after = parts.size() > 2 ? parts[2] : none;
    std::vector<Group> groups;
    for (const std::string_view g : before) groups.emplace_back(g);
    if (section == "remark") {
      if (before.empty()) groups.emplace_back("KXYZ");
      groups.emplace_back("RMK");
    }
    const std::size_t at = groups.size();
    for (const std::string_view g : value) groups.emplace_back(g);
    const std::size_t end = groups.size();
    for (const std::string_view g : after) groups.emplace_back(g);
    Decoded decoded;
    std::size_t taken = 0;
    if (section == "remark") {
      taken = full::describeRemark(groups, at, decoded);
      // The same remark, and the same groups, as the sentence.
      TextBuffer sentence;
      EXPECT_EQ(full::readRemark(groups, at, sentence), taken);
    } else {
      taken = describeInSection(groups, at, section == "body" ? Section::kBody : Section::kTrend,
                                decoded);
    }
    std::string json;
    if (!decoded.empty()) appendJson(json, decoded);
    EXPECT_EQ(json, columns[2]);
    if (!columns[2].empty()) {
      // The row lists the value's groups and no more, and its JSON is a JSON object.
      EXPECT_EQ(taken, end - at);
      const std::optional<test::JsonValue> parsed = test::JsonReader::parse(columns[2]);
      ASSERT_TRUE(parsed.has_value());
      EXPECT_EQ(parsed->kind, test::JsonValue::Kind::kObject);
    } else {
      EXPECT_TRUE(decoded.empty());
    }
    ++rows;
  }
  EXPECT_GT(rows, 150U);
}

}  // namespace
}  // namespace vantrel
